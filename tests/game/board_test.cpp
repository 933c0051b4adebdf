#include "game/core/Board.h"
#include "game/core/Jumps.h"
#include "game/core/Positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <tuple>
#include <vector>

using namespace pelikor;

namespace {

// The cross drawn by hand: '#' marks a position.
const char* const kCross[kBoardSide] = {
    "..###..", "..###..", "#######", "#######", "#######", "..###..", "..###..",
};

int numberAt(int row, int column)
{
    if (row < 0 || row >= kBoardSide || column < 0 || column >= kBoardSide || kCross[row][column] != '#')
        return 0;
    int n = 0;
    for (int r = 0; r < kBoardSide; ++r)
        for (int c = 0; c < kBoardSide; ++c)
            if (kCross[r][c] == '#') {
                ++n;
                if (r == row && c == column)
                    return n;
            }
    return 0;
}

// Every jump found from coordinates alone: three positions in a line.
std::set<std::tuple<int, int, int>> derivedJumps()
{
    std::set<std::tuple<int, int, int>> jumps;
    const int steps[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    for (int r = 0; r < kBoardSide; ++r)
        for (int c = 0; c < kBoardSide; ++c)
            for (const auto& step : steps) {
                const int s = numberAt(r, c);
                const int o = numberAt(r + step[0], c + step[1]);
                const int t = numberAt(r + 2 * step[0], c + 2 * step[1]);
                if (s && o && t)
                    jumps.insert({s, o, t});
            }
    return jumps;
}

Board boardWith(std::initializer_list<int> pegs)
{
    Board board;
    board.lay(PositionSet(pegs));
    return board;
}

} // namespace

TEST(Positions, NumberingFollowsTheCrossRowByRow)
{
    for (int n = 1; n <= kPositionCount; ++n) {
        EXPECT_EQ(numberAt(rowOf(n), columnOf(n)), n) << n;
        EXPECT_EQ(positionAt(rowOf(n), columnOf(n)), n) << n;
    }
    EXPECT_EQ(rowOf(kCentre), 3);
    EXPECT_EQ(columnOf(kCentre), 3);
    EXPECT_EQ(positionAt(0, 0), 0);
    EXPECT_EQ(positionAt(6, 6), 0);
    EXPECT_EQ(positionAt(7, 3), 0);
}

TEST(Jumps, TableIsExactlyTheJumpsAlongRowsAndColumns)
{
    std::set<std::tuple<int, int, int>> listed;
    for (const Jump& jump : kJumps)
        listed.insert({jump.source, jump.over, jump.target});
    EXPECT_EQ(listed.size(), std::size_t(kJumpCount)) << "a jump is listed twice";
    EXPECT_EQ(listed, derivedJumps());
}

TEST(Jumps, CandidatesPerTargetAreOneTwoOrFour)
{
    const std::set<int> one = {2, 5, 14, 15, 19, 20, 29, 32};
    const std::set<int> four = {9, 10, 11, 16, 17, 18, 23, 24, 25};
    std::size_t total = 0;
    for (int t = 1; t <= kPositionCount; ++t) {
        const auto candidates = jumpsInto(t);
        total += candidates.size();
        const std::size_t expected = one.count(t) ? 1 : four.count(t) ? 4 : 2;
        EXPECT_EQ(candidates.size(), expected) << "target " << t;
        std::set<int> sources;
        for (const Jump& jump : candidates) {
            EXPECT_EQ(jump.target, t);
            sources.insert(jump.source);
        }
        EXPECT_EQ(sources.size(), candidates.size()) << "sources of one target must differ";
    }
    EXPECT_EQ(total, std::size_t(kJumpCount));
    EXPECT_TRUE(jumpsInto(0).empty());
    EXPECT_TRUE(jumpsInto(34).empty());
}

TEST(Jumps, CheckingOrderOfTheFourCandidateTargets)
{
    const std::map<int, std::vector<Jump>> expected = {
        {9, {{23, 16, 9}, {1, 4, 9}, {7, 8, 9}, {11, 10, 9}}},
        {17, {{29, 24, 17}, {5, 10, 17}, {15, 16, 17}, {19, 18, 17}}},
        {24, {{22, 23, 24}, {26, 25, 24}, {10, 17, 24}, {32, 29, 24}}},
        {25, {{33, 30, 25}, {23, 24, 25}, {27, 26, 25}, {11, 18, 25}}},
    };
    for (const auto& [target, jumps] : expected) {
        const auto candidates = jumpsInto(target);
        EXPECT_TRUE(std::equal(candidates.begin(), candidates.end(), jumps.begin(), jumps.end())) << target;
    }
}

TEST(Board, ProgramStartHasEveryPegAndTwinAndCountZero)
{
    Board board;
    EXPECT_EQ(board.pegs(), PositionSet::all());
    EXPECT_EQ(board.twins(), PositionSet::all());
    EXPECT_EQ(board.selected(), 0);
    EXPECT_EQ(board.remaining(), 0);
}

TEST(Board, LayingSetsPegsTwinsAndCount)
{
    Board board;
    board.select(5);
    PositionSet standard = PositionSet::all();
    standard.erase(kCentre);
    board.lay(standard);
    EXPECT_EQ(board.pegs(), standard);
    EXPECT_EQ(board.twins(), standard);
    EXPECT_EQ(board.remaining(), 32);
    EXPECT_EQ(board.selected(), 0);
}

TEST(Board, SelectionMovesAndRepeats)
{
    Board board = boardWith({9, 4, 12});
    EXPECT_EQ(board.select(9), MoveCue::Select);
    EXPECT_TRUE(board.isSelected(9));
    EXPECT_EQ(board.select(12), MoveCue::Select);
    EXPECT_FALSE(board.isSelected(9));
    EXPECT_TRUE(board.isSelected(12));
    EXPECT_EQ(board.select(12), MoveCue::Select) << "selecting again sounds again";
    EXPECT_TRUE(board.isSelected(12));
}

TEST(Board, OnlyAPegCanBeSelected)
{
    Board board = boardWith({9, 4});
    board.select(9);
    for (int n : {1, 0, 34, -1}) {
        EXPECT_EQ(board.select(n), MoveCue::None) << n;
        EXPECT_TRUE(board.isSelected(9)) << "the selection stays where it was";
    }
    // Were the empty centre selected, a press on 15 would make a peg from nothing.
    Board lone = boardWith({16});
    lone.select(17);
    EXPECT_EQ(lone.jumpInto(15), MoveCue::None);
    EXPECT_EQ(lone.pegs(), PositionSet({16}));
    EXPECT_EQ(lone.remaining(), 1);
}

TEST(Board, JumpNineOverFourIntoOne)
{
    Board board = boardWith({9, 4, 20});
    board.select(9);
    EXPECT_EQ(board.jumpInto(1), MoveCue::Jump);
    EXPECT_EQ(board.pegs(), PositionSet({1, 20}));
    EXPECT_EQ(board.twins(), PositionSet({1, 20}));
    EXPECT_EQ(board.remaining(), 2);
    EXPECT_EQ(board.selected(), 0) << "the landed peg carries the normal colour";
}

TEST(Board, ClicksThatMatchNoCandidateChangeNothing)
{
    Board board = boardWith({9, 17, 24});
    const auto before = [&] { return std::tuple(board.pegs(), board.twins(), board.remaining(), board.selected()); };

    auto state = before();
    EXPECT_EQ(board.jumpInto(1), MoveCue::None) << "no peg selected";
    EXPECT_EQ(before(), state);

    board.select(9);
    state = before();
    EXPECT_EQ(board.jumpInto(1), MoveCue::None) << "position between is empty";
    EXPECT_EQ(board.jumpInto(25), MoveCue::None) << "diagonal";
    EXPECT_EQ(board.jumpInto(11), MoveCue::None) << "over two positions";
    EXPECT_EQ(board.jumpInto(0), MoveCue::None);
    EXPECT_EQ(board.jumpInto(40), MoveCue::None);
    EXPECT_EQ(before(), state);
}

TEST(Board, CentrePegReachesOnlyItsFourTargets)
{
    for (int t = 1; t <= kPositionCount; ++t) {
        Board board;
        PositionSet pegs = PositionSet::all();
        pegs.erase(t);
        board.lay(pegs);
        board.select(kCentre);
        const bool moved = board.jumpInto(t) != MoveCue::None;
        EXPECT_EQ(moved, t == 5 || t == 15 || t == 19 || t == 29) << t;
    }
}

TEST(Board, LandedPegNeedsANewClickBeforeItJumpsAgain)
{
    Board board = boardWith({9, 4, 2});
    board.select(9);
    ASSERT_NE(board.jumpInto(1), MoveCue::None);
    EXPECT_EQ(board.jumpInto(3), MoveCue::None);
    board.select(1);
    EXPECT_NE(board.jumpInto(3), MoveCue::None);
    EXPECT_EQ(board.pegs(), PositionSet({3}));
}

TEST(Board, EveryJumpKeepsTwinsEqualToPegsWhereItTouches)
{
    for (const Jump& jump : kJumps) {
        Board board = boardWith({jump.source, jump.over});
        board.setTwins(PositionSet::all()); // the twins elsewhere must not matter
        board.select(jump.source);
        ASSERT_EQ(board.jumpInto(jump.target), MoveCue::Jump);
        for (int n : {jump.source, jump.over, jump.target})
            EXPECT_EQ(board.hasTwin(n), board.hasPeg(n)) << n;
        EXPECT_TRUE(board.hasPeg(jump.target));
        EXPECT_EQ(board.remaining(), 1);
    }
}

TEST(Board, AnOccupiedTargetTakesNoJump)
{
    Board board = boardWith({9, 4, 1});
    board.select(9);
    EXPECT_EQ(board.jumpInto(1), MoveCue::None);
    EXPECT_EQ(board.pegs(), PositionSet({9, 4, 1}));
    EXPECT_EQ(board.remaining(), 3);
    EXPECT_TRUE(board.isSelected(9));
    EXPECT_FALSE(board.canUndo());
}

TEST(BoardHistory, UndoAndRedoWalkBetweenTheLayoutAndTheLastJump)
{
    const PositionSet start{9, 4, 2, 16, 17};
    Board board;
    board.lay(start);
    EXPECT_EQ(board.undo(), MoveCue::None) << "nothing to undo at the start";
    board.select(9);
    ASSERT_EQ(board.jumpInto(1), MoveCue::Jump);
    board.select(1);
    ASSERT_EQ(board.jumpInto(3), MoveCue::Jump);
    const PositionSet end{3, 16, 17};
    EXPECT_EQ(board.redo(), MoveCue::None) << "nothing to redo after a jump";

    board.select(16);
    EXPECT_EQ(board.undo(), MoveCue::Jump);
    EXPECT_EQ(board.pegs(), PositionSet({1, 2, 16, 17}));
    EXPECT_EQ(board.selected(), 0) << "no selection after an undo";
    EXPECT_EQ(board.undo(), MoveCue::Jump);
    EXPECT_EQ(board.pegs(), start);
    EXPECT_EQ(board.twins(), start);
    EXPECT_EQ(board.remaining(), 5);
    EXPECT_FALSE(board.canUndo());

    board.select(16);
    EXPECT_EQ(board.redo(), MoveCue::Jump);
    EXPECT_EQ(board.selected(), 0) << "no selection after a redo";
    EXPECT_EQ(board.redo(), MoveCue::Jump);
    EXPECT_EQ(board.pegs(), end);
    EXPECT_EQ(board.remaining(), 3);

    // A new jump after an undo drops the step that was taken back.
    board.undo();
    board.select(16);
    ASSERT_EQ(board.jumpInto(18), MoveCue::Jump);
    EXPECT_FALSE(board.canRedo());
    EXPECT_EQ(board.redo(), MoveCue::None);
    EXPECT_EQ(board.pegs(), PositionSet({1, 2, 18}));
    EXPECT_EQ(board.startLayout(), start);
}

TEST(BoardHistory, AFullBoardEndsTheStepsButKeepsTheLayout)
{
    for (const bool refill : {false, true}) {
        Board board = boardWith({9, 4});
        board.select(9);
        board.jumpInto(1);
        refill ? board.refill() : board.showAllPegs();
        EXPECT_EQ(board.undo(), MoveCue::None) << refill;
        EXPECT_EQ(board.pegs(), PositionSet::all());
        EXPECT_EQ(board.startLayout(), PositionSet({9, 4})) << "the same game can be laid again";
        board.lay(board.startLayout());
        EXPECT_EQ(board.remaining(), 2);
    }
}

// Any sequence of play calls, with positions on and off the board, keeps
// the count equal to the pegs, the twins equal to the pegs, and undo and
// redo in step with the boards the game went through. showAllPegs and
// refill are no play calls: they keep the count on purpose, since a
// finished game's board is refilled while its result still shows it.
TEST(BoardProperty, PlayCallsKeepTheCountEqualToThePegs)
{
    std::mt19937 random(2712);
    std::uniform_int_distribution<int> position(-1, kPositionCount + 1);
    for (int round = 0; round < 200; ++round) {
        Board board;
        std::vector<PositionSet> states; // the boards of the game, up to the last one redo reaches
        std::size_t at = 0;
        for (int call = 0; call < 300; ++call) {
            const int kind = call == 0 ? 0 : std::uniform_int_distribution<int>(0, 40)(random);
            if (kind == 0) {
                board.lay(PositionSet::fromBits(random() | std::uint64_t(random()) << 32));
                states = {board.pegs()};
                at = 0;
            } else if (kind <= 15) {
                board.select(position(random));
            } else if (kind <= 32) {
                if (board.jumpInto(position(random)) == MoveCue::Jump) {
                    states.resize(++at);
                    states.push_back(board.pegs());
                }
            } else if ((kind <= 36 ? board.undo() : board.redo()) == MoveCue::Jump) {
                at = kind <= 36 ? at - 1 : at + 1;
            }
            ASSERT_EQ(board.remaining(), board.pegs().size()) << "round " << round << ", call " << call;
            ASSERT_EQ(board.twins(), board.pegs());
            ASSERT_EQ(board.pegs(), states[at]);
            ASSERT_EQ(board.canUndo(), at > 0);
            ASSERT_EQ(board.canRedo(), at + 1 < states.size());
        }
    }
}
