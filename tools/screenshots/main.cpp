// Saves pictures of the program as a player sees it, window by window, on
// an application folder of its own.
#include "app/PelikorApplication.h"
#include "app/PelikorWindows.h"
#include "scores/core/DbaseTable.h"
#include "services/CuePlayer.h"
#include "services/ProgramLanguage.h"
#include "tools/screenshots/EndOfGameShots.h"
#include "tools/screenshots/KeyboardScene.h"
#include "tools/screenshots/NewGameScenes.h"
#include "tools/screenshots/PlayAidScenes.h"
#include "tools/screenshots/ScreenCamera.h"
#include "tools/screenshots/ShellScenes.h"
#include "tools/screenshots/StartScenes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

using namespace pelikor;

namespace {

// Pictures need no sound.
class SilentCuePlayer : public CuePlayer {
public:
    void play(const QString&) override {}
};

// A fresh installation's best table, and a player who keeps the figure and
// likes to be welcomed.
void layOutApplicationFolder(const QString& applicationDir)
{
    const QString data = applicationDir + QStringLiteral("Data");
    QDir().mkpath(data + QStringLiteral("/Zaloha"));
    DbaseTable::createEmpty(data.toStdString(), DbaseTable::tableName, DbaseTable::liveIndexName);
    DbaseTable::createEmpty((data + QStringLiteral("/Zaloha")).toStdString(), DbaseTable::tableName,
                            DbaseTable::templateIndexName);
    QFile settings(applicationDir + QStringLiteral("Kolvex.ini"));
    if (settings.open(QIODevice::WriteOnly))
        settings.write("[Nastaveni]\r\nPomocnik=1\r\nUvitani=1\r\n");
}

} // namespace

int main(int argc, char** argv)
{
    PelikorApplication application(argc, argv);
    // In the language the environment chooses, from the build's translations.
    const ProgramLanguage language(PELIKOR_APP_DIR);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(folder.path());

    // A folder of its own, so that no player's settings or table are touched.
    QTemporaryDir applicationDir;
    layOutApplicationFolder(applicationDir.path() + QLatin1Char('/'));
    PelikorWindows windows(applicationDir.path() + QLatin1Char('/'), std::make_unique<SilentCuePlayer>());

    ScreenCamera camera(folder);
    QTimer::singleShot(0, [&] {
        shootSplash(camera);
        shootSecondCopy(camera, applicationDir.path() + QLatin1Char('/'));
        windows.show();
        shootShellScenes(camera, windows);
        shootBoardScenes(camera, windows);
        shootNewGameScenes(camera, windows);
        shootEndOfGame(camera, windows);
        shootKeyboardScene(camera, windows);
        shootPlayAids(camera, windows);
        application.exit(camera.failures());
    });
    return application.exec();
}
