// The play aids on the whole program, offscreen: the window's longest wait
// for its event loop while the hint is sought off its thread (a 1 ms timer
// that must keep firing), on the boards half way through random standard
// games, and an undo with its redo, painted.
#include "app/PelikorWindows.h"
#include "frame/MainWindow.h"
#include "game/BoardPanel.h"
#include "game/core/Jumps.h"
#include "setup/core/Games.h"
#include "tests/support/EmptyBestTable.h"
#include "tests/support/OffscreenBenchmarks.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

class SilentCuePlayer : public CuePlayer {
public:
    void play(const QString&) override {}
};

constexpr int kJumpsBeforeTheHint = 12;
constexpr unsigned kSeed = 20270;

struct Program {
    TempFolder folder;
    PelikorWindows windows{withEmptyBestTable(folder.path()), std::make_unique<SilentCuePlayer>()};
    MainWindow& main = windows.mainWindow();
    BoardPanel& board = main.boardPanel();

    Program() { windows.show(); }

    // A standard game without the centre, played at random for `jumps`.
    void layRandomGame(std::mt19937& random, int jumps)
    {
        const pelikor::GameLayout layout = pelikor::standardLayout();
        main.startGame(layout.occupied, layout.game);
        for (int made = 0; made < jumps; ++made) {
            std::vector<pelikor::Jump> open;
            for (const pelikor::Jump& jump : pelikor::kJumps)
                if (pelikor::isOpen(jump, board.board().pegs()))
                    open.push_back(jump);
            if (open.empty())
                return;
            const pelikor::Jump& jump = open[random() % open.size()];
            board.selectPeg(jump.source);
            board.jumpInto(jump.target);
        }
    }
};

void BM_WindowWhileTheHintIsSought(benchmark::State& state)
{
    Program program;
    auto* hint = program.main.findChild<QAction*>(QStringLiteral("hintAction"));
    auto* mark = program.main.findChild<QWidget*>(QStringLiteral("hintMark"));
    std::mt19937 random(kSeed);
    qint64 longestWait = 0;
    for (auto _ : state) {
        state.PauseTiming();
        program.layRandomGame(random, kJumpsBeforeTheHint);
        state.ResumeTiming();
        QEventLoop waiting;
        QElapsedTimer clock;
        qint64 last = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longestWait = std::max(longestWait, clock.elapsed() - std::exchange(last, clock.elapsed()));
            if (mark->isVisible())
                waiting.quit();
        });
        clock.start();
        ticks.start(1);
        hint->trigger();
        waiting.exec();
    }
    state.counters["longest_wait_ms"] = double(longestWait);
}
BENCHMARK(BM_WindowWhileTheHintIsSought)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_UndoAndRedoPainted(benchmark::State& state)
{
    Program program;
    std::mt19937 random(kSeed);
    program.layRandomGame(random, kJumpsBeforeTheHint);
    for (auto _ : state) {
        program.board.undo();
        program.board.repaint();
        program.board.redo();
        program.board.repaint();
    }
}
BENCHMARK(BM_UndoAndRedoPainted)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}
