// Starts the program the way its entry does, on an application folder, and
// brings it into one of the states a player leaves it idling in, so that
// scripts/idle-cpu can measure what the program does while nothing
// happens:
//
//     state_probe idle|game|result|boss FOLDER/
//
// idle: the idle screen; game: a standard game waiting for the first move;
// result: a game just ended, its result open with the name offered;
// boss: the boss screen over a game.
#include "app/Entry.h"
#include "app/FontSetUp.h"
#include "app/NormalStart.h"
#include "app/PelikorApplication.h"
#include "app/PelikorWindows.h"
#include "frame/MainWindow.h"
#include "game/BoardPanel.h"
#include "setup/core/Games.h"

#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

// Two pegs whose one jump leaves a single peg away from the centre.
constexpr pelikor::PositionSet kLastTwo{4, 5};
constexpr int kLastPeg = 4;
constexpr int kLastHole = 6;

void bringInto(const char* state, MainWindow& main)
{
    if (std::strcmp(state, "idle") == 0)
        return;
    if (std::strcmp(state, "result") == 0) {
        main.startGame(kLastTwo, pelikor::standardGame());
        main.boardPanel().selectPeg(kLastPeg);
        main.boardPanel().jumpInto(kLastHole);
        return;
    }
    const pelikor::GameLayout standard = pelikor::standardLayout();
    main.startGame(standard.occupied, standard.game);
    if (std::strcmp(state, "boss") == 0)
        main.toggleBossScreen();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: state_probe idle|game|result|boss FOLDER/\n");
        return 2;
    }
    const char* state = argv[1];
    const QString folder = QString::fromLocal8Bit(argv[2]);
    startFontSetUp();
    chooseWindowSystem();
    PelikorApplication application(argc, argv);
    listFontsWithQt();
    return runNormalStart([&](Splash& splash) {
        std::unique_ptr<PelikorWindows> windows = createProgramWindows(folder, splash);
        MainWindow* main = &windows->mainWindow();
        QTimer::singleShot(0, main, [state, main] { bringInto(state, *main); });
        return windows;
    });
}
