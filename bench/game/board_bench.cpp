// The board's two operations as a click runs them.
#include "game/core/Board.h"

#include <benchmark/benchmark.h>

using namespace pelikor;

static void BM_Select(benchmark::State& state)
{
    Board board;
    int n = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(board.select(n));
        n = n % kPositionCount + 1;
    }
}
BENCHMARK(BM_Select);

// Select 29 and jump over 24 into the empty centre, then lay the board again.
static void BM_SelectAndJump(benchmark::State& state)
{
    PositionSet standard = PositionSet::all();
    standard.erase(kCentre);
    Board board;
    for (auto _ : state) {
        board.lay(standard);
        board.select(29);
        benchmark::DoNotOptimize(board.jumpInto(kCentre));
    }
}
BENCHMARK(BM_SelectAndJump);

// A click on a hole where no jump applies: all four candidates are tried.
static void BM_JumpThatDoesNotApply(benchmark::State& state)
{
    Board board;
    board.lay(PositionSet({1, 33}));
    board.select(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(board.jumpInto(kCentre));
}
BENCHMARK(BM_JumpThatDoesNotApply);

BENCHMARK_MAIN();
