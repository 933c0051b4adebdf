#include "game/core/Board.h"
#include "game/core/Monitor.h"
#include "game/core/Positions.h"
#include "setup/core/Games.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace pelikor;

namespace {

struct ExpectedRule {
    std::vector<int> hidden;
    std::vector<int> present;
    std::vector<int> absent;
};

std::vector<int> from(int first, int last)
{
    std::vector<int> positions;
    for (int n = first; n <= last; ++n)
        positions.push_back(n);
    return positions;
}

std::vector<int> join(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

PositionSet setOf(const std::vector<int>& positions)
{
    PositionSet set;
    for (int n : positions)
        set.insert(n);
    return set;
}

// The pruning table written out once more, row by row, as the oracle.
const std::vector<ExpectedRule> kExpectedRules = {
    {{1, 2, 3}, {1, 2, 3}, {4, 5, 6}},
    {{4, 5, 6}, {4, 5, 6}, {1, 2, 3, 9, 10, 11}},
    {{28, 29, 30}, {28, 29, 30}, {23, 24, 25, 31, 32, 33}},
    {{31, 32, 33}, {31, 32, 33}, {28, 29, 30}},
    {{21, 14, 7}, {7, 14, 21}, {8, 15, 22}},
    {{22, 15, 8}, {8, 15, 22}, {7, 14, 21, 9, 16, 23}},
    {{27, 20, 13}, {13, 20, 27}, {12, 19, 26}},
    {{26, 19, 12}, {12, 19, 26}, {11, 18, 25, 13, 20, 27}},
    {from(7, 13), from(7, 13), join({4, 5, 6}, from(14, 20))},
    {from(21, 27), from(21, 27), join(from(14, 20), {28, 29, 30})},
    {from(14, 20), from(14, 20), join(from(7, 13), from(21, 27))},
    {{1, 4, 9, 16, 23, 28, 31}, {1, 4, 9, 16, 23, 28, 31}, {2, 5, 10, 17, 24, 29, 32, 8, 15, 22}},
    {{3, 6, 11, 18, 25, 30, 33}, {3, 6, 11, 18, 25, 30, 33}, {2, 5, 10, 17, 24, 29, 32, 12, 19, 26}},
    {{2, 5, 10, 17, 24, 29, 32}, {2, 5, 10, 17, 24, 29, 32}, {3, 6, 11, 18, 25, 30, 33, 1, 4, 9, 16, 23, 28, 31}},
};

// Independent jump search from coordinates on a drawn cross, not from the jump table.
const char* const kCross[kBoardSide] = {
    "..###..", "..###..", "#######", "#######", "#######", "..###..", "..###..",
};

bool onBoard(int row, int column)
{
    return row >= 0 && row < kBoardSide && column >= 0 && column < kBoardSide && kCross[row][column] == '#';
}

struct FoundJump {
    int source;
    int target;
};

std::vector<FoundJump> legalJumps(PositionSet pegs)
{
    const int steps[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    std::vector<FoundJump> jumps;
    for (int n = 1; n <= kPositionCount; ++n) {
        if (!pegs.contains(n))
            continue;
        for (const auto& step : steps) {
            const int r1 = rowOf(n) + step[0], c1 = columnOf(n) + step[1];
            const int r2 = rowOf(n) + 2 * step[0], c2 = columnOf(n) + 2 * step[1];
            if (onBoard(r2, c2) && pegs.contains(positionAt(r1, c1)) && !pegs.contains(positionAt(r2, c2)))
                jumps.push_back({n, positionAt(r2, c2)});
        }
    }
    return jumps;
}

bool hasAdjacentPegs(PositionSet pegs)
{
    for (int n = 1; n <= kPositionCount; ++n) {
        const int right = onBoard(rowOf(n), columnOf(n) + 1) ? positionAt(rowOf(n), columnOf(n) + 1) : 0;
        const int below = onBoard(rowOf(n) + 1, columnOf(n)) ? positionAt(rowOf(n) + 1, columnOf(n)) : 0;
        if (pegs.contains(n) && ((right && pegs.contains(right)) || (below && pegs.contains(below))))
            return true;
    }
    return false;
}

Board laid(PositionSet pegs)
{
    Board board;
    board.lay(pegs);
    return board;
}

// A pair of adjacent positions apart from every position a rule names and
// from every other rule's group, so that the pair alone keeps the twin test
// from ending the game.
PositionSet keepAlivePair(const ExpectedRule& rule)
{
    const PositionSet named = setOf(rule.present) | setOf(rule.absent);
    for (int a = 1; a <= kPositionCount; ++a)
        for (int b = a + 1; b <= kPositionCount; ++b) {
            const PositionSet pair{a, b};
            if (named.intersects(pair) || !hasAdjacentPegs(pair))
                continue;
            bool completesAnotherGroup = false;
            for (const ExpectedRule& other : kExpectedRules)
                if (&other != &rule && (setOf(rule.present) | pair).containsAll(setOf(other.present)))
                    completesAnotherGroup = true;
            if (!completesAnotherGroup)
                return pair;
        }
    ADD_FAILURE() << "no pair outside the rule";
    return {};
}

} // namespace

TEST(MonitorRules, TableMatchesTheFourteenDeadGroupsInOrder)
{
    ASSERT_EQ(kPruningRules.size(), kExpectedRules.size());
    for (std::size_t i = 0; i < kExpectedRules.size(); ++i) {
        EXPECT_EQ(kPruningRules[i].group, setOf(kExpectedRules[i].present)) << "rule " << i + 1;
        EXPECT_EQ(kPruningRules[i].group, setOf(kExpectedRules[i].hidden)) << "rule " << i + 1;
        EXPECT_EQ(kPruningRules[i].mustBeEmpty, setOf(kExpectedRules[i].absent)) << "rule " << i + 1;
    }
}

TEST(MonitorRules, EachRulePrunesItsGroupAndNothingElse)
{
    for (std::size_t i = 0; i < kExpectedRules.size(); ++i) {
        const ExpectedRule& rule = kExpectedRules[i];
        const PositionSet pegs = setOf(rule.present) | keepAlivePair(rule);
        Board board = laid(pegs);
        EXPECT_EQ(monitorTick(board, true), Outcome::Nothing) << "rule " << i + 1;
        EXPECT_EQ(board.twins(), pegs - setOf(rule.hidden)) << "rule " << i + 1;
        EXPECT_EQ(board.pegs(), pegs) << "pruning never touches pegs, rule " << i + 1;
    }
}

TEST(MonitorRules, AMissingGroupPegOrAPegBesideTheLineKeepsTheGroup)
{
    for (std::size_t i = 0; i < kExpectedRules.size(); ++i) {
        const ExpectedRule& rule = kExpectedRules[i];
        const PositionSet base = setOf(rule.present) | keepAlivePair(rule);
        for (int missing : rule.present) {
            Board board = laid(base - PositionSet{missing});
            monitorTick(board, true);
            EXPECT_EQ(board.twins(), board.pegs()) << "rule " << i + 1 << " without peg " << missing;
        }
        for (int blocker : rule.absent) {
            Board board = laid(base | PositionSet{blocker});
            monitorTick(board, true);
            EXPECT_TRUE(board.twins().containsAll(setOf(rule.present)))
                << "rule " << i + 1 << " with peg " << blocker;
        }
    }
}

TEST(MonitorRules, PositionsARuleDoesNotNameAreNotLookedAt)
{
    for (std::size_t i = 0; i < kExpectedRules.size(); ++i) {
        const ExpectedRule& rule = kExpectedRules[i];
        const PositionSet unnamed = PositionSet::all() - setOf(rule.present) - setOf(rule.absent);
        Board full = laid(setOf(rule.present) | unnamed);
        monitorTick(full, false);
        EXPECT_FALSE(full.twins().intersects(setOf(rule.hidden))) << "rule " << i + 1 << ", rest of the board full";

        Board bare = laid(setOf(rule.present) | keepAlivePair(rule));
        monitorTick(bare, false);
        EXPECT_FALSE(bare.twins().intersects(setOf(rule.hidden))) << "rule " << i + 1 << ", rest of the board empty";
    }
}

TEST(MonitorRules, PegsOnlyAtOneTwoThreeEndTheGameInTheSameTick)
{
    Board board = laid({1, 2, 3});
    EXPECT_EQ(monitorTick(board, true), Outcome::GameOver);
    EXPECT_TRUE(board.twins().empty());
}

TEST(MonitorPegTests, OnlyTheCentreIsThePerfectFinish)
{
    Board board = laid({kCentre});
    EXPECT_EQ(monitorTick(board, true), Outcome::PerfectFinish);
}

TEST(MonitorPegTests, ASinglePegElsewhereIsGameOver)
{
    for (int n = 1; n <= kPositionCount; ++n) {
        if (n == kCentre)
            continue;
        Board board = laid({n});
        EXPECT_EQ(monitorTick(board, true), Outcome::GameOver) << n;
    }
}

TEST(MonitorPegTests, IsolatedPegsEndTheGameWhateverTheirNumber)
{
    const PositionSet checkerboard{1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33};
    ASSERT_FALSE(hasAdjacentPegs(checkerboard));
    Board board = laid(checkerboard);
    EXPECT_EQ(monitorTick(board, true), Outcome::GameOver);
    Board centreAndMore = laid({kCentre, 1});
    EXPECT_EQ(monitorTick(centreAndMore, true), Outcome::GameOver);
}

TEST(MonitorPegTests, BothBlockedPositionsEndTheGameAlthoughPegsAreAdjacent)
{
    const PositionSet a = PositionSet::all() - PositionSet{2, 5, 14, 15, 17, 19, 20, 29, 32};
    const PositionSet b = PositionSet::all() - PositionSet{5, 15, 17, 19, 29};
    EXPECT_EQ(a.size(), 24);
    EXPECT_EQ(b.size(), 28);
    for (PositionSet blocked : {a, b}) {
        EXPECT_TRUE(hasAdjacentPegs(blocked));
        EXPECT_TRUE(legalJumps(blocked).empty()) << "a blocked position must have no jump";
        Board board = laid(blocked);
        EXPECT_EQ(monitorTick(board, true), Outcome::GameOver);
        Board hidden = laid(blocked);
        EXPECT_EQ(monitorTick(hidden, false), Outcome::Nothing) << "only the twin steps run while hidden";
    }
}

TEST(MonitorPegTests, AdjacentPegsWithRoomBeyondKeepTheGameGoing)
{
    Board board = laid({16, 17});
    EXPECT_EQ(monitorTick(board, true), Outcome::Nothing);
    EXPECT_EQ(board.twins(), board.pegs());
}

TEST(MonitorHiddenBoard, OnlyTheTwinStepsRun)
{
    Board start;
    EXPECT_EQ(monitorTick(start, false), Outcome::Nothing);
    EXPECT_EQ(start.twins(), PositionSet::all());

    Board centre = laid({kCentre});
    EXPECT_EQ(monitorTick(centre, false), Outcome::GameOver) << "no perfect finish while hidden";

    Board line = laid({1, 2, 3, 16, 17});
    EXPECT_EQ(monitorTick(line, false), Outcome::Nothing);
    EXPECT_EQ(line.twins(), (PositionSet{16, 17})) << "pruning runs while hidden";
}

TEST(MonitorMending, TwinsFollowThePegsAtEveryTick)
{
    Board board = laid({16, 17});
    board.setTwins({});
    EXPECT_EQ(monitorTick(board, true), Outcome::Nothing);
    EXPECT_EQ(board.twins(), (PositionSet{16, 17}));
}

TEST(MonitorMending, AJumpThatFreesAPrunedGroupKeepsTheGameGoing)
{
    Board board = laid({1, 2, 3, 9, 16});
    EXPECT_EQ(monitorTick(board, true), Outcome::Nothing);
    EXPECT_EQ(board.twins(), (PositionSet{9, 16})) << "rule 1 prunes 1, 2, 3";

    board.select(16);
    ASSERT_NE(board.jumpInto(4), MoveCue::None);
    EXPECT_EQ(board.pegs(), (PositionSet{1, 2, 3, 4}));
    EXPECT_EQ(board.twins(), (PositionSet{4})) << "the jump itself shows only twin 4";
    ASSERT_FALSE(legalJumps(board.pegs()).empty());
    EXPECT_EQ(monitorTick(board, true), Outcome::Nothing) << "1 over 4 into 9 is open";
    EXPECT_EQ(board.twins(), board.pegs());

    board.select(1);
    ASSERT_NE(board.jumpInto(9), MoveCue::None);
    EXPECT_EQ(monitorTick(board, true), Outcome::Nothing) << "3 over 2 into 1 is open";
    board.select(3);
    ASSERT_NE(board.jumpInto(1), MoveCue::None);
    EXPECT_EQ(board.pegs(), (PositionSet{1, 9}));
    EXPECT_EQ(monitorTick(board, true), Outcome::GameOver);
}

TEST(MonitorMending, DeadGroupsStillEndTheGameWhenNoJumpRemains)
{
    Board twoLines = laid({1, 2, 3, 31, 32, 33});
    EXPECT_EQ(monitorTick(twoLines, true), Outcome::GameOver);
    EXPECT_TRUE(twoLines.twins().empty());

    Board lineAndPeg = laid({7, 14, 21, 17});
    EXPECT_EQ(monitorTick(lineAndPeg, true), Outcome::GameOver);
    EXPECT_EQ(lineAndPeg.twins(), (PositionSet{kCentre}));
}

TEST(MonitorMending, RepeatedTicksGiveTheSameOutcome)
{
    Board board = laid({1, 2, 3, 9, 16});
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_EQ(monitorTick(board, true), Outcome::Nothing);
        EXPECT_EQ(board.twins(), (PositionSet{9, 16}));
    }
}

TEST(MonitorNoPair, IsTheSameAsNoTwoAdjacentPositions)
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        const PositionSet flags = PositionSet::fromBits(random()) & PositionSet::all();
        EXPECT_EQ(noPair(flags), !hasAdjacentPegs(flags)) << std::hex << flags.bits();
    }
    EXPECT_TRUE(noPair({}));
    EXPECT_FALSE(noPair({32, 33}));
    EXPECT_TRUE(noPair({3, 7})) << "diagonal and distant positions are no pair";
}

TEST(MonitorPegTests, AnyBoardOfPlayWithoutAJumpEndsTheGame)
{
    // Pegs packed against edges and corners: adjacent, but nowhere to land.
    const PositionSet packed{1, 2, 3, 6, 11, 13, 16, 18, 21, 25, 30, 31, 33};
    ASSERT_TRUE(hasAdjacentPegs(packed));
    ASSERT_TRUE(legalJumps(packed).empty());
    Board board = laid(packed);
    EXPECT_EQ(monitorTick(board, true), Outcome::GameOver);
    Board hidden = laid(packed);
    EXPECT_EQ(monitorTick(hidden, false), Outcome::Nothing) << "only the twin steps run while hidden";

    // After a perfect finish the full board shows while the congratulation
    // is open; its count is still the finished game's.
    Board refilled = laid({kCentre});
    ASSERT_EQ(monitorTick(refilled, true), Outcome::PerfectFinish);
    refilled.refill();
    EXPECT_EQ(monitorTick(refilled, true), Outcome::Nothing);
}

// Random legal games from every start layout: the monitor ends a game
// exactly when no jump is left, never while one is open, and gives the
// perfect finish exactly for the centre peg alone.
TEST(MonitorProperty, EndsAGameExactlyWhenNoJumpIsLeft)
{
    std::vector<PositionSet> starts;
    for (int removed = 1; removed <= kPositionCount; ++removed)
        starts.push_back(standardLayout(removed).occupied);
    for (int game = 1; game <= kOptionalGameCount; ++game)
        starts.push_back(optionalLayout(game).occupied);

    constexpr int kGamesPerStart = 150;
    std::mt19937 random(1234);
    long positions = 0, endedOpen = 0, missedApart = 0, runOn = 0;
    for (PositionSet start : starts) {
        for (int game = 0; game < kGamesPerStart; ++game) {
            Board board = laid(start);
            for (;;) {
                const Outcome outcome = monitorTick(board, true);
                const std::vector<FoundJump> jumps = legalJumps(board.pegs());
                ++positions;
                if (outcome != Outcome::Nothing && !jumps.empty())
                    ++endedOpen;
                if (outcome == Outcome::Nothing && !hasAdjacentPegs(board.pegs()))
                    ++missedApart;
                if ((outcome == Outcome::PerfectFinish) != (board.pegs() == PositionSet{kCentre}))
                    ADD_FAILURE() << "perfect finish on " << std::hex << board.pegs().bits();
                if (jumps.empty()) {
                    runOn += outcome == Outcome::Nothing;
                    break;
                }
                const FoundJump jump = jumps[std::uniform_int_distribution<std::size_t>(0, jumps.size() - 1)(random)];
                const int before = board.pegs().size();
                board.select(jump.source);
                board.jumpInto(jump.target);
                ASSERT_EQ(board.pegs().size(), before - 1);
            }
        }
    }
    EXPECT_EQ(endedOpen, 0) << "games ended with a jump open";
    EXPECT_EQ(missedApart, 0) << "positions with every peg apart left running";
    EXPECT_EQ(runOn, 0) << "games left running with no jump open";
    EXPECT_GT(positions, long(starts.size()) * kGamesPerStart * 4);
}
