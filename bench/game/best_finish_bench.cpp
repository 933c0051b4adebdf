// The hint's answer, the best finish with its way, on every board met
// along random games of the eight layouts (the standard game without a
// random peg each time), timed one by one in the thread's own CPU time.
// Each board is asked about as the window asks, with its game's smallest
// remainder, and afresh: nothing is kept from one board to the next.
// PELIKOR_HINT_BENCH_GAMES sets the games per layout (1,000 by default);
// PELIKOR_HINT_BENCH_SLOWEST=1 lists the 1 % slowest boards on stderr,
// each with its game.
#include "game/core/BestFinish.h"
#include "game/core/Jumps.h"
#include "setup/core/Games.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultGamesPerLayout = 1000;
constexpr unsigned kSeed = 20270;

int gamesPerLayout()
{
    const char* games = std::getenv("PELIKOR_HINT_BENCH_GAMES");
    return games ? std::max(1, std::atoi(games)) : kDefaultGamesPerLayout;
}

double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct GameBoard {
    pelikor::PositionSet board;
    const pelikor::Game* game;
};

struct Timed {
    double milliseconds;
    GameBoard asked;
};

// The boards of one random game, start to end.
std::vector<pelikor::PositionSet> randomGame(pelikor::PositionSet pegs, std::mt19937& random)
{
    std::vector<pelikor::PositionSet> boards{pegs};
    for (;;) {
        std::vector<pelikor::Jump> open;
        for (const pelikor::Jump& jump : pelikor::kJumps)
            if (pelikor::isOpen(jump, pegs))
                open.push_back(jump);
        if (open.empty())
            return boards;
        const pelikor::Jump jump = open[std::uniform_int_distribution<std::size_t>(0, open.size() - 1)(random)];
        pegs.erase(jump.source);
        pegs.erase(jump.over);
        pegs.insert(jump.target);
        boards.push_back(pegs);
    }
}

std::vector<GameBoard> boardsOfRandomGames(int games)
{
    std::mt19937 random(kSeed);
    std::vector<GameBoard> boards;
    for (int layout = 0; layout <= pelikor::kOptionalGameCount; ++layout)
        for (int game = 0; game < games; ++game) {
            const pelikor::GameLayout start =
                layout == 0 ? pelikor::standardLayout(std::uniform_int_distribution<int>(1, pelikor::kPositionCount)(random))
                            : pelikor::optionalLayout(layout);
            for (pelikor::PositionSet board : randomGame(start.occupied, random))
                boards.push_back({board, layout == 0 ? &pelikor::standardGame() : &pelikor::optionalGame(layout)});
        }
    return boards;
}

double percentile(const std::vector<Timed>& sorted, double share)
{
    return sorted[std::min(sorted.size() - 1, std::size_t(share * double(sorted.size())))].milliseconds;
}

// The slowest 1 %, slowest first: where the tail comes from.
void listSlowest(const std::vector<Timed>& sorted)
{
    const char* wanted = std::getenv("PELIKOR_HINT_BENCH_SLOWEST");
    if (!wanted || std::atoi(wanted) == 0)
        return;
    const std::size_t count = std::max<std::size_t>(1, sorted.size() / 100);
    for (auto timed = sorted.rbegin(); timed != sorted.rbegin() + std::ptrdiff_t(count); ++timed)
        std::fprintf(stderr, "%09llx %2d pegs %8.2f ms  %.*s\n", static_cast<unsigned long long>(timed->asked.board.bits()),
                     timed->asked.board.size(), timed->milliseconds, int(timed->asked.game->caption.size()),
                     timed->asked.game->caption.data());
}

void hintOnRandomGameBoards(benchmark::State& state)
{
    const std::vector<GameBoard> boards = boardsOfRandomGames(gamesPerLayout());
    std::vector<Timed> times;
    for (auto _ : state)
        for (const GameBoard& asked : boards) {
            const double start = threadMilliseconds();
            benchmark::DoNotOptimize(pelikor::bestFinish(asked.board, asked.game->smallestRemainder).hint());
            times.push_back({threadMilliseconds() - start, asked});
        }
    std::sort(times.begin(), times.end(), [](const Timed& a, const Timed& b) { return a.milliseconds < b.milliseconds; });
    listSlowest(times);
    state.counters["boards"] = double(times.size());
    state.counters["p50_ms"] = percentile(times, 0.50);
    state.counters["p90_ms"] = percentile(times, 0.90);
    state.counters["p99_ms"] = percentile(times, 0.99);
    state.counters["worst_ms"] = times.back().milliseconds;
    char worst[32];
    std::snprintf(worst, sizeof worst, "worst board %09llx", static_cast<unsigned long long>(times.back().asked.board.bits()));
    state.SetLabel(worst);
}
BENCHMARK(hintOnRandomGameBoards)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
