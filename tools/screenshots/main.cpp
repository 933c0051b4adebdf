// Saves pictures of the program as a player sees it: the idle screen, a
// freshly laid standard game, a game in progress with a selected peg, and
// the dialogs of a game's end.
#include "BoardPanel.h"
#include "CuePlayer.h"
#include "DbaseTable.h"
#include "EndOfGameShots.h"
#include "Games.h"
#include "PelikorApplication.h"
#include "PelikorWindows.h"
#include "ScreenCamera.h"
#include "THlavniDialog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Pictures need no sound.
class SilentCuePlayer : public CuePlayer {
public:
    void play(const QString&) override {}
};

// A fresh installation's best table and a figure the player has closed,
// so that the end of a game brings it back to speak.
void layOutApplicationFolder(const QString& applicationDir)
{
    const QString data = applicationDir + QStringLiteral("Data");
    QDir().mkpath(data + QStringLiteral("/Zaloha"));
    DbaseTable::createEmpty(data.toStdString(), DbaseTable::tableName, DbaseTable::liveIndexName);
    DbaseTable::createEmpty((data + QStringLiteral("/Zaloha")).toStdString(), DbaseTable::tableName,
                            DbaseTable::templateIndexName);
    QFile settings(applicationDir + QStringLiteral("Kolvex.ini"));
    if (settings.open(QIODevice::WriteOnly))
        settings.write("[Nastaveni]\r\nPomocnik=0\r\n");
}

} // namespace

int main(int argc, char** argv)
{
    PelikorApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(folder.path());

    // A folder of its own, so that no player's settings or table are touched.
    QTemporaryDir applicationDir;
    layOutApplicationFolder(applicationDir.path() + QLatin1Char('/'));
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
        shootEndOfGame(camera, windows);
        application.exit(camera.failures());
    });
    return application.exec();
}
