// Saves pictures of the program as a player sees it: the splash half way
// through the start, a second copy's warning in both colours of its
// blinking, the idle screen, a freshly laid standard game and a game in
// progress with a selected peg.
#include "BoardPanel.h"
#include "CuePlayer.h"
#include "Games.h"
#include "PelikorApplication.h"
#include "PelikorWindows.h"
#include "ScreenCamera.h"
#include "SecondCopy.h"
#include "THlavniDialog.h"
#include "TKopieDialog.h"
#include "TPomocnikDialog.h"
#include "TSpusteniDialog.h"

#include <QTemporaryDir>
#include <QTimer>

namespace {

// Pictures need no sound.
class SilentCuePlayer : public CuePlayer {
public:
    void play(const QString&) override {}
};

// The meter's value half way through the start, after TOProgramuDialog.
constexpr int kMeterHalfWay = 55;

void shootSplash(ScreenCamera& camera)
{
    TSpusteniDialog splash;
    splash.showAndPaint();
    splash.stepDone(kMeterHalfWay);
    camera.shoot(QStringLiteral("start-splash"), splash.frameGeometry());
}

void shootSecondCopy(ScreenCamera& camera, const QString& applicationDir)
{
    SecondCopy copy(applicationDir, std::make_unique<SilentCuePlayer>());
    copy.start();
    TKopieDialog& warning = copy.KopieDialog();
    const QRect both = warning.frameGeometry().united(copy.PomocnikDialog().frameGeometry());
    camera.shoot(QStringLiteral("second-copy-warning"), both);
    warning.Timer1Timer();
    camera.shoot(QStringLiteral("second-copy-warning-blink"), both, QStringLiteral("second-copy-warning"));
}

} // namespace

int main(int argc, char** argv)
{
    PelikorApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(folder.path());

    // A folder of its own, so that no player's settings or table are touched.
    QTemporaryDir applicationDir;
    PelikorWindows windows(applicationDir.path() + QLatin1Char('/'), std::make_unique<SilentCuePlayer>());
    THlavniDialog& main = windows.HlavniDialog();

    ScreenCamera camera(folder);
    QTimer::singleShot(0, [&] {
        shootSplash(camera);
        shootSecondCopy(camera, applicationDir.path() + QLatin1Char('/'));
        windows.show();
        const QRect window = main.frameGeometry();
        camera.shoot(QStringLiteral("main-idle"), window);

        const pelikor::GameLayout standard = pelikor::standardLayout();
        main.StartGame(standard.occupied, QString::fromStdString(standard.code));
        camera.shoot(QStringLiteral("main-standard-start"), window, QStringLiteral("main-idle"));

        for (const auto& [peg, hole] : {std::pair{5, 17}, {12, 10}, {3, 11}, {18, 6}})
            main.Plocha().KClick(peg), main.Plocha().BMouseDown(hole);
        main.Plocha().KClick(16);
        camera.shoot(QStringLiteral("main-in-play"), window, QStringLiteral("main-standard-start"));
        application.exit(camera.failures());
    });
    return application.exec();
}
