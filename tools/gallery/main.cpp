// Shows every custom widget in its states, a balloon of each tail position
// and the shaped figure. With a folder as argument it saves pictures of the
// screen there and quits.
#include "tools/gallery/GalleryPanel.h"
#include "tools/gallery/GallerySamples.h"
#include "tools/gallery/ScreenPictures.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QTimer>

namespace {

constexpr QPoint kPanelAt(10, 10);
constexpr QPoint kBalloonsAt(690, 10);
constexpr QSize kBalloonStep(290, 125);
constexpr QPoint kFigureAt(1100, 640);
constexpr QPoint kPointerParking(1270, 1010);
constexpr int kSettleMs = 700;

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const bool takingPictures = argc > 1;

    // For pictures: the pointer out of the way, and a desktop of its own
    // under the windows, so their outlines show against one known colour.
    QWidget desktop(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
    if (takingPictures) {
        QCursor::setPos(kPointerParking);
        desktop.setGeometry(application.primaryScreen()->geometry());
        desktop.setAutoFillBackground(true);
        QPalette teal = desktop.palette();
        teal.setColor(QPalette::Window, toQColor(GallerySamples::kDesktopColour));
        desktop.setPalette(teal);
        desktop.show();
    }

    GalleryPanel panel;
    panel.move(kPanelAt);
    panel.show();

    for (int i = 0; i <= int(BalloonTail::None); ++i) {
        QWidget* balloon = GallerySamples::balloonWindow(BalloonTail(i), &panel);
        balloon->move(kBalloonsAt + QPoint((i % 2) * kBalloonStep.width(), (i / 2) * kBalloonStep.height()));
        balloon->show();
    }
    QWidget* figure = GallerySamples::figureWindow(&panel);
    figure->move(kFigureAt);
    figure->show();

    QTimer::singleShot(kSettleMs / 2, &panel, &GalleryPanel::showStates);
    if (!takingPictures)
        return application.exec();

    ScreenPictures pictures{QDir(QString::fromLocal8Bit(argv[1]))};
    int failures = 0;
    QTimer::singleShot(kSettleMs, &application, [&] {
        failures += !pictures.saveScreen(QStringLiteral("gallery-screen"));
        failures += !pictures.saveArea(QStringLiteral("gallery-widgets"), panel.geometry());
        const QRect balloonArea(kBalloonsAt, QSize(2 * kBalloonStep.width(), 5 * kBalloonStep.height()));
        failures += !pictures.saveArea(QStringLiteral("gallery-balloons"), balloonArea);
        failures += !pictures.saveArea(QStringLiteral("gallery-figure"), figure->geometry().adjusted(-10, -10, 10, 10));
        failures += !pictures.saveLamps(QStringLiteral("gallery-lamps"));
        application.exit(failures);
    });
    return application.exec();
}
