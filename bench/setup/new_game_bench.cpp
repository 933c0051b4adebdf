// The new-game command to the chooser on screen, the choice "Volitelná hra"
// to the optional games' dialog on screen with its pictures, and the start
// procedure that lays a game, on the whole program. A showing counts once
// the window has painted; the way back to where the next round begins is
// not timed.
#include "app/PelikorWindows.h"
#include "frame/MainWindow.h"
#include "setup/core/Games.h"
#include "setup/GameTypeChooser.h"
#include "setup/OptionalGameChooser.h"
#include "tests/support/EmptyBestTable.h"
#include "tests/support/OffscreenBenchmarks.h"
#include "tests/support/RecordingCuePlayer.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The program on a folder of its own with the build's cue files, so that
// the chooser's cue is looked up as in a player's folder.
struct Program {
    QTemporaryDir folder;
    QStringList played;
    std::unique_ptr<PelikorWindows> windows;

    Program()
    {
        const QString dir = withEmptyBestTable(QFile::encodeName(folder.path()).toStdString());
        const QDir cues(QStringLiteral(PELIKOR_APP_DIR "/Zvuky"));
        QDir(dir).mkdir(QStringLiteral("Zvuky"));
        for (const QString& cue : cues.entryList(QDir::Files))
            QFile::copy(cues.filePath(cue), dir + QStringLiteral("Zvuky/") + cue);
        windows = std::make_unique<PelikorWindows>(dir, std::make_unique<RecordingCuePlayer>(played));
        windows->show();
        QCoreApplication::processEvents();
    }

    MainWindow& main() { return windows->mainWindow(); }

    // What the player sees at the end of a showing: the events the show
    // posted delivered, the window painted.
    static void settle(QWidget& window)
    {
        QCoreApplication::processEvents();
        window.repaint();
    }

    void newGame()
    {
        main().findChild<QAction*>(QStringLiteral("newGameAction"))->trigger();
        settle(windows->gameTypeChooser());
    }
};

// Run 0 times a program shown many times; run 1 the first showing of a
// fresh program's dialog, native window and balloon region included.
bool firstShowing(const benchmark::State& state)
{
    return state.range(0) == 1;
}

void BM_NewGameToChooser(benchmark::State& state)
{
    auto program = std::make_unique<Program>();
    for (auto _ : state) {
        program->newGame();
        state.PauseTiming();
        program->windows->gameTypeChooser().close();
        if (firstShowing(state))
            program = std::make_unique<Program>();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NewGameToChooser)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_OptionalChoiceToPictures(benchmark::State& state)
{
    auto program = std::make_unique<Program>();
    program->newGame();
    for (auto _ : state) {
        program->windows->gameTypeChooser().chooseOptionalGame();
        Program::settle(program->windows->optionalGameChooser());
        state.PauseTiming();
        program->windows->optionalGameChooser().goBack();
        if (firstShowing(state)) {
            program = std::make_unique<Program>();
            program->newGame();
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OptionalChoiceToPictures)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Arg 0 the standard game without the centre, 1..7 the optional games;
// each laid on the full board an ended game leaves.
void BM_StartProcedure(benchmark::State& state)
{
    Program program;
    MainWindow& main = program.main();
    const int game = int(state.range(0));
    const pelikor::GameLayout layout = game == 0 ? pelikor::standardLayout() : pelikor::optionalLayout(game);
    for (auto _ : state) {
        main.startGame(layout.occupied, layout.game);
        state.PauseTiming();
        main.returnToIdle();
        main.refillAfterResult();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartProcedure)->DenseRange(0, pelikor::kOptionalGameCount)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}
