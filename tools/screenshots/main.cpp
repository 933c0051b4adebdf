// Saves pictures of the program as a player sees it: the idle screen, a
// freshly laid standard game and a game in progress with a selected peg;
// the new-game balloons beside the figure.
#include "BoardPanel.h"
#include "CuePlayer.h"
#include "Games.h"
#include "PelikorApplication.h"
#include "PelikorWindows.h"
#include "ScreenCamera.h"
#include "Settings.h"
#include "THlavniDialog.h"
#include "THraDialog.h"
#include "TPomocnikDialog.h"
#include "TStandardDialog.h"
#include "TVyberDialog.h"

#include <QCursor>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Pictures need no sound.
class SilentCuePlayer : public CuePlayer {
public:
    void play(const QString&) override {}
};

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
    windows.show();

    ScreenCamera camera(folder);
    QTimer::singleShot(0, [&] {
        const QRect window = main.frameGeometry();
        camera.shoot(QStringLiteral("main-idle"), window);

        const pelikor::GameLayout standard = pelikor::standardLayout();
        main.StartGame(standard.occupied, QString::fromStdString(standard.code));
        camera.shoot(QStringLiteral("main-standard-start"), window, QStringLiteral("main-idle"));

        for (const auto& [peg, hole] : {std::pair{5, 17}, {12, 10}, {3, 11}, {18, 6}})
            main.Plocha().KClick(peg), main.Plocha().BMouseDown(hole);
        main.Plocha().KClick(16);
        camera.shoot(QStringLiteral("main-in-play"), window, QStringLiteral("main-standard-start"));

        // The new-game chain as a player opens it with the figure closed:
        // the command brings the figure back and the balloons hang beside it.
        main.AbandonGame();
        windows.services().settings.write(Settings::kPomocnik, QStringLiteral("0"));
        main.MS1Click();
        TVyberDialog& chooser = windows.VyberDialog();
        const QRect figure = windows.PomocnikDialog().frameGeometry();
        camera.shoot(QStringLiteral("new-game-chooser"), figure | chooser.frameGeometry());
        chooser.OfficeLabel1Click();
        TStandardDialog& standardDialog = windows.StandardDialog();
        standardDialog.LClick(12);
        // The standard dialog is the tallest balloon of the chain, so its
        // picture's area holds the optional dialog's as well.
        const QRect chain = figure | chooser.frameGeometry() | standardDialog.frameGeometry();
        camera.shoot(QStringLiteral("new-game-standard"), chain);
        standardDialog.OfficeButton1Click();
        chooser.OfficeLabel2Click();
        camera.shoot(QStringLiteral("new-game-optional"), chain, QStringLiteral("new-game-standard"));
        // The pictures are gray until the pointer comes over one.
        THraDialog& optional = windows.HraDialog();
        QWidget* picture = optional.findChild<QWidget*>(QStringLiteral("T5"));
        QCursor::setPos(picture->mapToGlobal(picture->rect().center()));
        camera.shoot(QStringLiteral("new-game-optional-pointed"), chain, QStringLiteral("new-game-optional"));
        application.exit(camera.failures());
    });
    return application.exec();
}
