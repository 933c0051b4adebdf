#include "BalloonDialog.h"
#include "FigurePicture.h"
#include "ShellFixture.h"
#include "TCoolForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

const QColor kDesktop(0, 0, 255);

// What the X server shows of an area of the screen.
QImage screenArea(const QRect& area)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

// The figure as the program makes it, over a plain desktop.
struct FigureOnDesktop {
    ShellFixture shell;
    QWidget desktop;
    std::unique_ptr<TPomocnikDialog> figure;

    FigureOnDesktop()
    {
        desktop.setWindowFlags(Qt::FramelessWindowHint);
        desktop.setGeometry(QGuiApplication::primaryScreen()->geometry());
        QPalette blue = desktop.palette();
        blue.setColor(QPalette::Window, kDesktop);
        desktop.setPalette(blue);
        desktop.setAutoFillBackground(true);
        desktop.show();
        figure = std::make_unique<TPomocnikDialog>(shell.settings, shell.soundCues,
                                                   resources::figurePicture, resources::figureOutline());
        shell.owners.setFigure(figure.get());
        figure->show();
    }

    // Waits until the screen shows the figure at its place.
    bool settled()
    {
        return QTest::qWaitForWindowExposed(figure.get()) && QTest::qWaitFor([this] {
                   const QImage shown = screenArea(figure->frameGeometry());
                   return shown.pixelColor(52, 52) != kDesktop;
               });
    }
};

} // namespace

// What only a real X server shows: window shapes, window places and the
// pointer moving a window.
class FigureXTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTheFigureIsOnTheScreen()
    {
        FigureOnDesktop scene;
        QVERIFY(scene.settled());
        const QImage shown = screenArea(scene.figure->frameGeometry());
        const QRegion& outline = resources::figureOutline();
        int outside = 0, desktopOutside = 0, inside = 0, figureInside = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const bool desktop = shown.pixelColor(x, y) == kDesktop;
                if (outline.contains(QPoint(x, y))) {
                    ++inside;
                    figureInside += !desktop;
                } else {
                    ++outside;
                    desktopOutside += desktop;
                }
            }
        QVERIFY(outside > 1000);
        QCOMPARE(desktopOutside, outside);
        QCOMPARE(figureInside, inside);
    }

    void draggingTheFigureMovesItsWindow()
    {
        FigureOnDesktop scene;
        QVERIFY(scene.settled());
        const QPoint start = scene.figure->pos();
        QWindow* handle = scene.figure->windowHandle();
        const QPoint grip(52, 52);
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(handle, grip - QPoint(300, 200));
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip);
        QTRY_COMPARE(scene.figure->pos(), start - QPoint(300, 200));
        QTRY_COMPARE(scene.figure->frameGeometry().topLeft(), start - QPoint(300, 200));
    }

    // Dragged into the top left corner, the figure goes home before a
    // balloon opens, and the balloon hangs above and left of it.
    void balloonOpensBesideTheFigureAfterADrag()
    {
        FigureOnDesktop scene;
        QVERIFY(scene.settled());
        QWindow* handle = scene.figure->windowHandle();
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, {52, 52});
        QTest::mouseMove(handle, QPoint(52, 52) - scene.figure->pos() + QPoint(10, 10));
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, {52, 52});
        QTRY_COMPARE(scene.figure->pos(), QPoint(10, 10));

        BalloonDialog chooser(scene.shell.owners, {160, 115}, TBalloonPosition::bpBottomRight);
        scene.shell.protocol.open(AssistantProtocol::Row::GameChooser, chooser);
        scene.shell.protocol.place(AssistantProtocol::Row::GameChooser, chooser);
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QPoint home(screen.width() - 104 - 12, screen.height() - 104 - 30);
        QTRY_COMPARE(scene.figure->frameGeometry().topLeft(), home);
        QTRY_COMPARE(chooser.frameGeometry().topLeft(), home + QPoint(104 - 160 - 38, 30 - 115));
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        // The balloon's rounded corner lets the desktop through.
        QTRY_COMPARE(screenArea(chooser.frameGeometry()).pixelColor(1, 1), kDesktop);
    }
};

QTEST_MAIN(FigureXTest)
#include "figure_x_test.moc"
