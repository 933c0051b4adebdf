// One tick of the game monitor on a board in the middle of a game, alone
// and together with the settings read that precedes it in the window.
#include "bench/services/QuietProfile.h"
#include "game/core/Board.h"
#include "game/core/Jumps.h"
#include "game/core/Monitor.h"
#include "services/core/ProfileFile.h"
#include "setup/core/Games.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kMovesPlayed = 14;

// The standard game with the centre removed, after the first open jump in
// table order has been taken fourteen times: 18 pegs, game still open.
pelikor::Board midGameBoard()
{
    pelikor::Board board;
    board.lay(pelikor::standardLayout(pelikor::kCentre).occupied);
    for (int move = 0; move < kMovesPlayed; ++move)
        for (const pelikor::Jump& jump : pelikor::kJumps)
            if (board.hasPeg(jump.source) && board.hasPeg(jump.over) && !board.hasPeg(jump.target)) {
                board.select(jump.source);
                board.jumpInto(jump.target);
                break;
            }
    return board;
}

void monitorTick(benchmark::State& state)
{
    pelikor::Board board = midGameBoard();
    if (pelikor::monitorTick(board, true) != pelikor::Outcome::Nothing)
        state.SkipWithError("the board is not in the middle of a game");
    for (auto _ : state) {
        benchmark::DoNotOptimize(pelikor::monitorTick(board, true));
        benchmark::ClobberMemory();
    }
    state.counters["pegs"] = board.pegs().size();
}
BENCHMARK(monitorTick);

void monitorTickWithSettingsRead(benchmark::State& state)
{
    pelikor::ProfileFile settings(QuietProfile::shared().file());
    pelikor::Board board = midGameBoard();
    for (auto _ : state) {
        benchmark::DoNotOptimize(settings.read("Nastaveni", "Pomocnik"));
        benchmark::DoNotOptimize(pelikor::monitorTick(board, true));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(monitorTickWithSettingsRead);

} // namespace

BENCHMARK_MAIN();
