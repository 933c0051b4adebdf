// The end of a game as the player waits for it: from the monitor's tick
// that ends a game to the result dialog shown and painted, opening the
// best-table view and switching its tabs, and the whole clearing from the
// command to the table open again, on the normal table (ten entries in each
// of the eight games) and on one of 10,000 records. Each figure includes
// the event loop's turn that paints what changed.

#include "app/PelikorWindows.h"
#include "bench/scores/SpreadTable.h"
#include "frame/GameMonitor.h"
#include "frame/MainWindow.h"
#include "game/BoardPanel.h"
#include "scores/BestTableModule.h"
#include "scores/BestTableView.h"
#include "scores/ClearTableQuestion.h"
#include "scores/core/DbaseTable.h"
#include "scores/ResultBalloon.h"
#include "services/CuePlayer.h"
#include "setup/core/Games.h"
#include "tests/support/OffscreenBenchmarks.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>

using namespace pelikor;

namespace {

class SilentCuePlayer : public CuePlayer {
public:
    void play(const QString&) override {}
};

// The whole program on an application folder whose live table holds
// `records` entries, with the empty template beside it.
struct ProgramOnTable {
    TempFolder folder;
    std::unique_ptr<PelikorWindows> windows;

    explicit ProgramOnTable(std::size_t records)
    {
        std::filesystem::create_directories(folder / "Data" / "Zaloha");
        DbaseTable::createEmpty(folder / "Data" / "Zaloha", DbaseTable::tableName, DbaseTable::templateIndexName);
        fillTable(records);
        windows = std::make_unique<PelikorWindows>(QString::fromStdString(folder.path().string() + "/"),
                                                   std::make_unique<SilentCuePlayer>());
        windows->show();
        QCoreApplication::processEvents();
    }

    void fillTable(std::size_t records) { writeSpreadTable(folder / "Data", records); }
};

// Kept between runs, one per table size.
std::map<std::size_t, std::unique_ptr<ProgramOnTable>> programs;

ProgramOnTable& programOn(std::size_t records)
{
    auto& program = programs[records];
    if (!program)
        program = std::make_unique<ProgramOnTable>(records);
    return *program;
}

// Times `step` followed by the event loop's turn that paints it.
template <typename Step> void timeWithPaint(benchmark::State& state, Step step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    QCoreApplication::processEvents();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

void BM_TickToResultShown(benchmark::State& state)
{
    PelikorWindows& windows = *programOn(std::size_t(state.range(0))).windows;
    MainWindow& main = windows.mainWindow();
    for (auto _ : state) {
        main.startGame(pelikor::PositionSet{4, 5}, pelikor::standardGame());
        main.boardPanel().selectPeg(4);
        main.boardPanel().jumpInto(6);
        timeWithPaint(state, [&] { main.monitor().check(); });
        if (!windows.resultBalloon().isVisible())
            state.SkipWithError("the tick showed no result");
        windows.resultBalloon().close();
    }
}

void BM_OpenTableView(benchmark::State& state)
{
    PelikorWindows& windows = *programOn(std::size_t(state.range(0))).windows;
    for (auto _ : state) {
        timeWithPaint(state, [&] { emit windows.mainWindow().tableRequested(); });
        windows.bestTableView().acknowledge();
    }
}

void BM_SwitchTab(benchmark::State& state)
{
    PelikorWindows& windows = *programOn(std::size_t(state.range(0))).windows;
    emit windows.mainWindow().tableRequested();
    auto* pages = windows.bestTableView().findChild<QTabWidget*>(QStringLiteral("pages"));
    int tab = 0;
    for (auto _ : state)
        timeWithPaint(state, [&] { pages->setCurrentIndex(++tab % pelikor::kGameCount); });
    windows.bestTableView().acknowledge();
}

// From the command to the table open again, the question shown and
// answered "Ano"; the table is filled again between rounds.
void BM_WholeClearing(benchmark::State& state)
{
    ProgramOnTable& program = programOn(std::size_t(state.range(0)));
    PelikorWindows& windows = *program.windows;
    for (auto _ : state) {
        program.fillTable(std::size_t(state.range(0)));
        timeWithPaint(state, [&] {
            emit windows.mainWindow().clearTableRequested();
            QCoreApplication::processEvents();
            windows.clearTableQuestion().answerYes();
        });
        if (windows.bestTableModule().model.rowCount() != 0)
            state.SkipWithError("the table was not cleared");
    }
}

} // namespace

BENCHMARK(BM_TickToResultShown)->Arg(80)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTableView)->Arg(80)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchTab)->Arg(80)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeClearing)->Arg(80)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv, [] { programs.clear(); });
}
