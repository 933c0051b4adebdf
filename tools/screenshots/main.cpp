// Saves pictures of the main window as a player sees it: the idle screen,
// a freshly laid standard game and a game in progress with a selected peg.
#include "CuePlayer.h"
#include "PelikorApplication.h"
#include "PelikorWindows.h"
#include "THlavniDialog.h"

#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

// Pictures need no sound.
class SilentCuePlayer : public CuePlayer {
public:
    void play(const QString&) override {}
};

bool save(QWidget& window, const QDir& folder, const QString& name)
{
    QCoreApplication::processEvents();
    // The window as it is on screen, frame included, where the platform can;
    // the widget's own rendering otherwise.
    QPixmap picture = window.screen()->grabWindow(window.winId());
    if (picture.isNull() || picture.width() < window.width())
        picture = window.grab();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = picture.save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
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
    windows.show();

    int failures = 0;
    QTimer::singleShot(300, [&] {
        failures += !save(main, folder, QStringLiteral("main-idle"));

        pelikor::PositionSet standard = pelikor::PositionSet::all();
        standard.erase(pelikor::kCentre);
        main.StartGame(standard, QStringLiteral("3"));
        failures += !save(main, folder, QStringLiteral("main-standard-start"));

        for (const auto& [peg, hole] : {std::pair{5, 17}, {12, 10}, {3, 11}, {18, 6}})
            main.KClick(peg), main.BMouseDown(hole);
        main.KClick(16);
        failures += !save(main, folder, QStringLiteral("main-in-play"));
        application.exit(failures);
    });
    return application.exec();
}
