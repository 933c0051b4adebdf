#include "game/core/BestFinish.h"
#include "game/core/FinishBounds.h"
#include "game/core/FinishLevels.h"
#include "game/core/JumpMasks.h"
#include "game/core/Jumps.h"
#include "game/core/Pagoda.h"
#include "game/core/PagodaPool.h"
#include "game/core/SlotArray.h"
#include "game/core/Symmetries.h"
#include "setup/core/Games.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <unordered_map>
#include <vector>

#include <unistd.h>

using namespace pelikor;

namespace {

std::size_t residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t size = 0;
    std::size_t resident = 0;
    statm >> size >> resident;
    return resident * std::size_t(sysconf(_SC_PAGESIZE));
}

PositionSet afterJump(PositionSet board, const Jump& jump)
{
    board.erase(jump.source);
    board.erase(jump.over);
    board.insert(jump.target);
    return board;
}

std::vector<Jump> openJumps(PositionSet board)
{
    std::vector<Jump> open;
    std::copy_if(kJumps.begin(), kJumps.end(), std::back_inserter(open), [&](const Jump& j) { return isOpen(j, board); });
    return open;
}

// The oracle: every sequence of jumps tried, each board once, no bound and
// no symmetry. Quick enough for boards of a dozen pegs or so.
int exhaustiveBest(PositionSet board, std::unordered_map<std::uint64_t, int>& seen)
{
    if (const auto known = seen.find(board.bits()); known != seen.end())
        return known->second;
    int best = board.size();
    for (const Jump& jump : openJumps(board))
        best = std::min(best, exhaustiveBest(afterJump(board, jump), seen));
    return seen[board.bits()] = best;
}

// The boards of a random game from `start` to its end, in order.
std::vector<PositionSet> randomGame(PositionSet start, std::mt19937& random)
{
    std::vector<PositionSet> boards{start};
    for (std::vector<Jump> open = openJumps(start); !open.empty(); open = openJumps(boards.back()))
        boards.push_back(afterJump(boards.back(), open[random() % open.size()]));
    return boards;
}

// The first board of a game with at most `pegs` pegs; a game always ends
// with fewer than any layout starts with.
std::vector<PositionSet>::const_iterator firstWithAtMost(const std::vector<PositionSet>& game, int pegs)
{
    return std::find_if(game.begin(), game.end(), [pegs](PositionSet b) { return b.size() <= pegs; });
}

// The eight layouts, the standard game without a random peg.
std::vector<PositionSet> starts(std::mt19937& random)
{
    std::vector<PositionSet> layouts{standardLayout(int(random() % kPositionCount) + 1).occupied};
    for (int number = 1; number <= kOptionalGameCount; ++number)
        layouts.push_back(optionalLayout(number).occupied);
    return layouts;
}

constexpr int kOracleMaxPegs = 13;
constexpr int kHintWalkMaxPegs = 18;

} // namespace

// The catalogue's test has the small boards; here, whether a hint comes.
TEST(BestFinish, AHintExactlyWhereAJumpIsOpen)
{
    const struct {
        const char* what;
        PositionSet pegs;
        int best;
        int atLeast = 0;
    } cases[] = {
        {"empty board", {}, 0},
        {"two pegs apart, nothing to jump", {1, 33}, 2},
        {"the full board, no hole", PositionSet::all(), 33},
        {"a pair that clears to one", {16, 17}, 1},
        {"positions off the board are no pegs", PositionSet::fromBits(~std::uint64_t{0}), 33},
        {"a floor below the finish changes nothing", {9, 10, 11}, 2, 1},
        {"a floor above the pegs' count is no finish", {1, 33}, 2, 5},
    };
    for (const auto& c : cases) {
        const Finish finish = bestFinish(c.pegs, c.atLeast);
        EXPECT_EQ(finish.pegs, c.best) << c.what;
        EXPECT_EQ(finish.hint().has_value(), !openJumps(c.pegs & PositionSet::all()).empty()) << c.what;
    }
}

// Along random games of all eight layouts: the announced best finish,
// asked as the window asks, with the game's smallest remainder, is what
// every sequence of jumps tried one by one finds, the way leads there by
// legal jumps, and following the hints, each asked afresh without it,
// ends exactly at the finish the first one announced.
TEST(BestFinishProperty, HintsReachTheAnnouncedFinishAndTheOracleAgrees)
{
    std::mt19937 random(2027);
    int compared = 0, walked = 0;
    for (int round = 0; round < 6; ++round) {
        const std::vector<PositionSet> layouts = starts(random);
        for (std::size_t layout = 0; layout < layouts.size(); ++layout) {
            const int gameBest = layout == 0 ? standardGame().smallestRemainder : optionalGame(int(layout)).smallestRemainder;
            const std::vector<PositionSet> game = randomGame(layouts[layout], random);
            const auto firstSmall = firstWithAtMost(game, kHintWalkMaxPegs);
            for (auto board = firstSmall; board != game.end(); ++board) {
                const Finish finish = bestFinish(*board, gameBest);
                PositionSet played = *board;
                for (const Jump& jump : finish.way) {
                    ASSERT_TRUE(isOpen(jump, played)) << std::hex << board->bits();
                    played = afterJump(played, jump);
                }
                EXPECT_EQ(played.size(), finish.pegs) << std::hex << board->bits();
                if (board->size() <= kOracleMaxPegs) {
                    std::unordered_map<std::uint64_t, int> seen;
                    EXPECT_EQ(finish.pegs, exhaustiveBest(*board, seen)) << std::hex << board->bits();
                    ++compared;
                }
            }
            if (firstSmall == game.end())
                continue;
            const int announced = bestFinish(*firstSmall).pegs;
            PositionSet board = *firstSmall;
            for (std::optional<Jump> hint = bestFinish(board).hint(); hint; hint = bestFinish(board).hint()) {
                board = afterJump(board, *hint);
                ASSERT_EQ(bestFinish(board).pegs, announced) << "the hint lost the best finish";
            }
            EXPECT_EQ(board.size(), announced);
            ++walked;
        }
    }
    EXPECT_GT(compared, 200);
    EXPECT_GT(walked, 40);
}

TEST(BestFinish, ACancelledSearchGivesNoAnswer)
{
    std::atomic<bool> cancelled{true};
    EXPECT_FALSE(bestFinish(optionalGame(6).layout, cancelled).has_value());
    cancelled = false;
    EXPECT_EQ(bestFinish(optionalGame(1).layout, cancelled)->pegs, 1);
}

// Each bound the search prunes with holds on every board play reaches.
TEST(FinishBoundsProperty, HoldOnEveryBoardReached)
{
    std::mt19937 random(31);
    for (int round = 0; round < 40; ++round)
        for (PositionSet start : starts(random)) {
            const std::vector<PositionSet> game = randomGame(start, random);
            const PositionSet stuck = stuckPegs(start);
            const PositionSet held = everHeld(start);
            for (PositionSet board : game) {
                ASSERT_TRUE(board.containsAll(stuck)) << "a stuck peg moved, " << std::hex << start.bits();
                ASSERT_TRUE(held.containsAll(board)) << "a peg went where none could, " << std::hex << start.bits();
                ASSERT_TRUE(sameClass(board, start));
                ASSERT_GE(board.size(), stuckPegBound(start));
            }
            if (game.back().size() == 1) {
                EXPECT_TRUE(lonePegFinishes(start).containsAll(game.back())) << std::hex << start.bits();
            }
            // No pagoda can weigh a board reached above the board it came from.
            const PositionSet middle = game[game.size() / 2];
            EXPECT_FALSE(Pagoda::separating(start, middle).has_value()) << std::hex << start.bits();
        }
}

// The lists of the ends of play hold every pair of pegs the oracle finds
// reachable, and the pools of their pagodas, one per game as the search
// keeps one per board, learning on every other board and ruling out the
// rest with what they kept, never part a board from an end it reaches: a
// board parted from every pair before a lone peg cannot be cleared to one,
// and one parted from every two-peg finish cannot end with two or fewer.
TEST(FinishBoundsProperty, PagodaPoolsRuleOutOnlyWhatCannotBeReached)
{
    const auto holds = [](const std::vector<PositionSet>& list, PositionSet pair) {
        return std::find(list.begin(), list.end(), pair) != list.end();
    };
    std::mt19937 random(77);
    std::array<int, 2> ruledOut{};
    for (int round = 0; round < 10; ++round)
        for (PositionSet start : starts(random)) {
            const std::array<std::vector<PositionSet>, 2> ends{pairsBeforeLonePeg(start), twoPegFinishes(start)};
            std::array<PagodaPool, 2> pools{PagodaPool(ends[0], PagodaPool::End::Finish), PagodaPool(ends[1], PagodaPool::End::Finish)};
            for (PositionSet board : randomGame(start, random)) {
                if (board.size() > kOracleMaxPegs || board.size() < 3)
                    continue;
                std::unordered_map<std::uint64_t, int> seen;
                const int best = exhaustiveBest(board, seen);
                for (const auto& [bits, bestThere] : seen)
                    if (PositionSet::fromBits(bits).size() == 2) {
                        ASSERT_TRUE(holds(ends[1], PositionSet::fromBits(bits))) << std::hex << bits;
                        ASSERT_TRUE(bestThere == 2 || holds(ends[0], PositionSet::fromBits(bits))) << std::hex << bits;
                    }
                for (int pegs : {1, 2})
                    if (pools[pegs - 1].rulesOut(board, board.size() % 2 == 0)) {
                        ASSERT_GT(best, pegs) << std::hex << board.bits();
                        ++ruledOut[pegs - 1];
                    }
            }
        }
    EXPECT_GT(ruledOut[0], 50);
    EXPECT_GT(ruledOut[1], 50);
}

// A start's pool, learning on every board one jump before a board the
// start reaches, and its screen of the jumps taken back from such a board,
// never rule out a board the start reaches (every board it reaches, found
// one by one), and do rule out many that it does not.
TEST(FinishBoundsProperty, AStartsPoolAndItsScreenKeepEveryBoardReached)
{
    std::mt19937 random(404);
    int ruledOut = 0, screened = 0;
    for (int round = 0; round < 2; ++round)
        for (PositionSet layout : starts(random)) {
            const std::vector<PositionSet> game = randomGame(layout, random);
            const PositionSet start = *firstWithAtMost(game, kOracleMaxPegs);
            std::unordered_map<std::uint64_t, int> reached;
            exhaustiveBest(start, reached);
            PagodaPool pool({start}, PagodaPool::End::Start);
            for (const auto& [bits, best] : reached) {
                const PositionSet board = PositionSet::fromBits(bits);
                std::vector<int> back;
                for (int j = 0; j < kJumpCount; ++j)
                    if (board.contains(kJumps[j].target) && !board.contains(kJumps[j].source) && !board.contains(kJumps[j].over))
                        back.push_back(j);
                std::vector<int> kept = back;
                kept.resize(std::size_t(pool.dropJumpsBackRuledOut(board, kept)));
                for (int j : back) {
                    const PositionSet before = PositionSet::fromBits(bits ^ maskOf(kJumps[j]).moved ^ maskOf(kJumps[j]).target);
                    const bool screenedOut = std::find(kept.begin(), kept.end(), j) == kept.end();
                    if (screenedOut || pool.rulesOut(before, before.bits() % 7 == 0)) {
                        ASSERT_FALSE(reached.contains(before.bits())) << std::hex << start.bits() << " " << before.bits();
                        ++(screenedOut ? screened : ruledOut);
                    }
                }
            }
        }
    EXPECT_GT(ruledOut, 100);
    EXPECT_GT(screened, 100);
}

// Levels grown a little at a time, each level too big for its budget taken
// up again where it stopped, and levels grown at once both hold exactly the
// boards the start reaches that can still be left with the goal's count of
// pegs, for every goal the search levels, at every complete level, as every
// sequence of jumps tried finds.
TEST(FinishLevels, GrownInStepsAsAtOnceHoldWhatTheOracleFinds)
{
    std::mt19937 random(5);
    for (int round = 0; round < 3; ++round)
        for (PositionSet layout : starts(random)) {
            const std::vector<PositionSet> game = randomGame(layout, random);
            const PositionSet start = *firstWithAtMost(game, kOracleMaxPegs);
            std::unordered_map<std::uint64_t, int> reached;
            const int best = exhaustiveBest(start, reached);
            for (int goal = 1; goal <= FinishLevels::kMaxGoal; ++goal) {
                PagodaPool inSteps({start}, PagodaPool::End::Start), atOnce({start}, PagodaPool::End::Start);
                FinishLevels stepped(start, goal, inSteps, std::size_t{1} << 26, nullptr),
                    whole(start, goal, atOnce, std::size_t{1} << 26, nullptr);
                ASSERT_TRUE(whole.grow(std::size_t{1} << 20));
                for (std::size_t budget = 1; !stepped.complete() && !stepped.unreachable(); budget *= 2)
                    ASSERT_TRUE(stepped.grow(budget));
                for (const FinishLevels* levels : {&stepped, &whole}) {
                    ASSERT_EQ(levels->unreachable(), best > goal) << std::hex << start.bits() << " goal " << goal;
                    // A board that can be cleared further passes through
                    // the goal's count on the way.
                    for (const auto& [bits, bestThere] : reached)
                        if (countBits(bits) >= goal && countBits(bits) <= levels->top()) {
                            EXPECT_EQ(levels->contains(bits), bestThere <= goal)
                                << std::hex << start.bits() << " " << bits << " goal " << goal;
                        }
                }
            }
        }
}

// Where the search tries the boards one jump on with the most open jumps
// first: none is lost or doubled, and those with as many keep their order.
TEST(JumpMasks, MostOpenFirstKeepsEveryBoardAndTheOrderOfEquals)
{
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        const std::vector<PositionSet> game = randomGame(standardLayout(kCentre).occupied, random);
        const PositionSet board = game[game.size() / 3];
        std::vector<std::pair<PositionSet, int>> children; // with its place before
        for (const Jump& jump : openJumps(board))
            children.emplace_back(afterJump(board, jump), int(children.size()));
        std::vector<std::pair<PositionSet, int>> ordered = children;
        putMostOpenFirst(std::span(ordered), [](const auto& child) { return child.first.bits(); });
        ASSERT_TRUE(std::is_permutation(ordered.begin(), ordered.end(), children.begin()));
        for (std::size_t i = 1; i < ordered.size(); ++i) {
            const std::size_t before = openJumps(ordered[i - 1].first).size();
            const std::size_t after = openJumps(ordered[i].first).size();
            EXPECT_TRUE(before > after || (before == after && ordered[i - 1].second < ordered[i].second));
        }
    }
}

// The bounds work on the board as a square grid, a line of jumps at a
// time; here they meet the same rules read jump by jump from the table, on
// boards of any shape, edges and corners of the cross included.
TEST(FinishBounds, GridShiftsAgreeWithTheJumpTable)
{
    const auto held = [](PositionSet pegs) {
        for (PositionSet before; before != pegs;) {
            before = pegs;
            for (const Jump& jump : kJumps)
                if (pegs.contains(jump.source) && pegs.contains(jump.over))
                    pegs.insert(jump.target);
        }
        return pegs;
    };
    const auto stuck = [&](PositionSet pegs) {
        const PositionSet reach = held(pegs);
        PositionSet mayLeave;
        for (PositionSet before = PositionSet::all(); before != mayLeave;) {
            before = mayLeave;
            for (const Jump& jump : kJumps)
                if (reach.contains(jump.source) && reach.contains(jump.over) &&
                    !(pegs.contains(jump.target) && !mayLeave.contains(jump.target)))
                    for (int n : {jump.source, jump.over})
                        if (pegs.contains(n))
                            mayLeave.insert(n);
        }
        return pegs - mayLeave;
    };
    std::mt19937_64 random(5);
    std::vector<PositionSet> boards{{}, PositionSet::all(), {1, 2}, {26, 27}, {13, 20}, {31, 28, 33, 30}, {7, 14, 21}};
    for (int i = 0; i < 3000; ++i) {
        // Sparse, half full and crowded boards alike.
        const std::uint64_t bits = i % 3 == 0 ? random() & random() : i % 3 == 1 ? random() : random() | random();
        boards.push_back(PositionSet::fromBits(bits & PositionSet::all().bits()));
    }
    for (PositionSet board : boards) {
        const PositionSet expected = stuck(board);
        ASSERT_EQ(everHeld(board), held(board)) << std::hex << board.bits();
        ASSERT_EQ(stuckPegs(board), expected) << std::hex << board.bits();
        ASSERT_EQ(stuckPegBound(board), expected.size() + (expected == board ? 0 : 1)) << std::hex << board.bits();
    }
}

// A lone peg never moves, so nothing joins it to another position; the
// whole weights made from the relaxation's answer, and their mirror images,
// must still let no jump gain weight, and an image weighs the image of a
// board as the pagoda weighs the board.
TEST(Pagoda, SeparatesALonePegFromAnyOtherAndNoJumpGainsWeight)
{
    for (const auto& [from, to] : {std::pair{1, 33}, {kCentre, 5}, {31, 3}, {14, 20}}) {
        const std::optional<Pagoda> pagoda = Pagoda::separating({from}, {to});
        ASSERT_TRUE(pagoda.has_value()) << from << " to " << to;
        EXPECT_LT(pagoda->weightOf({from}), pagoda->weightOf({to}));
        for (int symmetry = 0; symmetry < kSymmetryCount; ++symmetry) {
            const Pagoda image = pagoda->transformed(symmetry);
            EXPECT_EQ(image.weightOf(transformed({to, 2, 16}, symmetry)), pagoda->weightOf({to, 2, 16})) << symmetry;
            for (const Jump& jump : kJumps)
                EXPECT_GE(image.weightOf({jump.source, jump.over}), image.weightOf({jump.target})) << symmetry;
        }
    }
}

// A search's tables start zeroed and, once the search ends, are the
// system's again. The allocator, once it has given back one table, serves
// smaller ones from its heap, and keeps them.
TEST(SlotArray, LargeTablesStartZeroedAndGoBackToTheSystem)
{
    constexpr std::size_t kSlots = std::size_t{1} << 20; // 8 MB
    constexpr std::size_t kPageSlots = 512;
    const std::size_t before = residentBytes();
    for (const std::size_t count : {2 * kSlots, kSlots, kSlots / 2}) {
        SlotArray slots(count);
        EXPECT_TRUE(std::all_of(slots.begin(), slots.end(), [](std::uint64_t slot) { return slot == 0; }));
        for (std::size_t i = 0; i < slots.size(); i += kPageSlots)
            slots[i] = ~std::uint64_t{0};
    }
    EXPECT_LT(residentBytes(), before + kSlots * sizeof(std::uint64_t) / 4);
}
