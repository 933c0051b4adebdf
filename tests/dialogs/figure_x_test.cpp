#include "dialogs/BalloonDialog.h"
#include "pictures/FigurePicture.h"
#include "tests/support/ScreenDesktop.h"
#include "tests/support/ShellFixture.h"
#include "tests/support/TestWindowManager.h"
#include "widgets/ColourNumber.h"

#include <QTest>

// Built twice: once for a screen of ratio 1, once with QT_SCALE_FACTOR=2.
namespace {

const QColor kDesktop(0, 0, 255);
constexpr QPoint kGrip(52, 52);

// The figure as the program makes it, over a plain desktop.
struct FigureOnDesktop {
    ShellFixture shell;
    ScreenDesktop::PlainDesktop desktop{kDesktop};
    AssistantFigure figure{shell.settings, shell.soundCues, pictures::figurePicture, pictures::figureOutline()};

    FigureOnDesktop()
    {
        shell.owners.setFigure(&figure);
        figure.show();
    }

    // Waits until the screen shows the figure at its place.
    bool settled()
    {
        const QPoint grip = kGrip * ratio();
        return QTest::qWaitForWindowExposed(&figure) && QTest::qWaitFor([&] {
                   return ScreenDesktop::screenArea(figure.frameGeometry()).pixelColor(grip) != kDesktop;
               });
    }

    // The pointer takes the figure by its middle and lets go at `to`,
    // given in the figure's coordinates.
    void drag(QPoint to)
    {
        QWindow* handle = figure.windowHandle();
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, kGrip);
        QTest::mouseMove(handle, to);
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, kGrip);
    }

    static int ratio() { return qRound(qApp->devicePixelRatio()); }
};

} // namespace

// What only a real X server shows: window shapes, window places and the
// pointer moving a window.
class FigureXTest : public QObject {
    Q_OBJECT

private slots:
    // The ratio-2 build must really run at ratio 2.
    void initTestCase()
    {
        QCOMPARE(qApp->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    }

    // The window exists only inside the logical outline; there every device
    // pixel shows the figure, never the window's bare background, and where
    // the figure painted for the ratio is opaque the screen shows it pixel
    // for pixel.
    void figureIsSharpAndShapedByItsOutline()
    {
        FigureOnDesktop scene;
        QVERIFY(scene.settled());
        const int ratio = FigureOnDesktop::ratio();
        const QImage shown = ScreenDesktop::screenArea(scene.figure.frameGeometry());
        QCOMPARE(shown.size(), AssistantFigure::kClientSize * ratio);
        const QImage picture = pictures::figurePicture(ratio).convertToFormat(QImage::Format_ARGB32);
        const QRegion& outline = pictures::figureOutline();
        const QColor background = toQColor(kClSilver);
        int outside = 0, desktopOutside = 0, inside = 0, figureInside = 0, opaque = 0, sharp = 0;
        ScreenDesktop::forEachDevicePixel(shown, ratio, [&](QPoint device, QPoint logical) {
            const QColor pixel = shown.pixelColor(device);
            if (!outline.contains(logical)) {
                ++outside;
                desktopOutside += pixel == kDesktop;
                return;
            }
            ++inside;
            figureInside += pixel != kDesktop && pixel != background;
            if (qAlpha(picture.pixel(device)) == 255) {
                ++opaque;
                sharp += pixel.rgb() == picture.pixel(device);
            }
        });
        QVERIFY(outside > 1000 * ratio * ratio);
        QCOMPARE(desktopOutside, outside);
        QCOMPARE(figureInside, inside);
        QVERIFY(opaque > inside / 2);
        QCOMPARE(sharp, opaque);
    }

    void draggingTheFigureMovesItsWindow()
    {
        FigureOnDesktop scene;
        QVERIFY(scene.settled());
        const QPoint start = scene.figure.pos();
        scene.drag(kGrip - QPoint(300, 200));
        QTRY_COMPARE(scene.figure.pos(), start - QPoint(300, 200));
        QTRY_COMPARE(scene.figure.frameGeometry().topLeft(), start - QPoint(300, 200));
    }

    // Dragged into the top left corner, the figure goes home before a
    // balloon opens, and the balloon hangs above and left of it.
    void balloonOpensBesideTheFigureAfterADrag()
    {
        FigureOnDesktop scene;
        QVERIFY(scene.settled());
        scene.drag(kGrip - scene.figure.pos() + QPoint(10, 10));
        QTRY_COMPARE(scene.figure.pos(), QPoint(10, 10));

        BalloonDialog chooser(scene.shell.owners, {160, 115}, BalloonTail::BottomRight);
        scene.shell.protocol.open(AssistantProtocol::Row::GameChooser, chooser);
        scene.shell.protocol.place(AssistantProtocol::Row::GameChooser, chooser);
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QPoint home(screen.width() - 104 - 12, screen.height() - 104 - 30);
        QTRY_COMPARE(scene.figure.frameGeometry().topLeft(), home);
        QTRY_COMPARE(chooser.frameGeometry().topLeft(), home + QPoint(104 - 160 - 38, 30 - 115));
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        // The balloon's rounded corner lets the desktop through.
        QTRY_COMPARE(ScreenDesktop::screenArea(chooser.frameGeometry()).pixelColor(1, 1), kDesktop);
    }
};

PELIKOR_XTEST_MAIN(FigureXTest)
#include "figure_x_test.moc"
