#include "setup/core/Games.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace pelikor;

namespace {

// Positions of one board row (1..7 from the top), columns first..last (1..7 from the left).
PositionSet rowCells(int row, int firstColumn, int lastColumn)
{
    PositionSet cells;
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const int n = positionAt(row - 1, column - 1);
        EXPECT_NE(n, 0) << "row " << row << " column " << column << " is off the board";
        cells.insert(n);
    }
    return cells;
}

PositionSet wholeRow(int row)
{
    const bool arm = row <= 2 || row >= 6;
    return arm ? rowCells(row, 3, 5) : rowCells(row, 1, 7);
}

} // namespace

TEST(StandardLayout, EveryRemovedPositionLeavesThirtyTwoPegsWithCodeThree)
{
    for (int removed = 1; removed <= kPositionCount; ++removed) {
        const GameLayout layout = standardLayout(removed);
        EXPECT_EQ(layout.game.code, "3");
        EXPECT_EQ(layout.pegCount(), 32);
        for (int n = 1; n <= kPositionCount; ++n)
            EXPECT_EQ(layout.occupied.contains(n), n != removed) << "removed " << removed << ", position " << n;
    }
}

TEST(StandardLayout, RejectsNumbersThatAreNoPosition)
{
    EXPECT_THROW(standardLayout(0), std::invalid_argument);
    EXPECT_THROW(standardLayout(34), std::invalid_argument);
    EXPECT_THROW(standardLayout(-1), std::invalid_argument);
}

TEST(OptionalLayouts, CodesAndCountsOfTheSevenGames)
{
    const char* const codes[] = {"10", "9", "8", "7", "6", "5", "4"};
    const int counts[] = {6, 9, 15, 21, 25, 28, 28};
    for (int game = 1; game <= kOptionalGameCount; ++game) {
        const GameLayout layout = optionalLayout(game);
        EXPECT_EQ(layout.game.code, codes[game - 1]) << "game " << game;
        EXPECT_EQ(layout.pegCount(), counts[game - 1]) << "game " << game;
        EXPECT_FALSE(layout.occupied.contains(0));
        EXPECT_TRUE(PositionSet::all().containsAll(layout.occupied));
    }
}

// The layouts once more, this time drawn by board rows and columns.
TEST(OptionalLayouts, MatchTheirShapesByRows)
{
    const PositionSet cross = rowCells(2, 4, 4) | rowCells(3, 3, 5) | rowCells(4, 4, 4) | rowCells(5, 4, 4);
    const PositionSet square = rowCells(3, 3, 5) | rowCells(4, 3, 5) | rowCells(5, 3, 5);
    const PositionSet game3 = rowCells(1, 4, 4) | wholeRow(2) | rowCells(3, 2, 6) | rowCells(4, 3, 5) | rowCells(5, 3, 5);
    const PositionSet game4 = rowCells(2, 3, 3) | rowCells(2, 5, 5) | rowCells(3, 2, 6) | wholeRow(4) | rowCells(5, 2, 6)
        | rowCells(6, 3, 3) | rowCells(6, 5, 5);
    const PositionSet armCorners = rowCells(1, 3, 3) | rowCells(1, 5, 5) | rowCells(3, 1, 1) | rowCells(3, 7, 7)
        | rowCells(5, 1, 1) | rowCells(5, 7, 7) | rowCells(7, 3, 3) | rowCells(7, 5, 5);
    const PositionSet plus = rowCells(3, 4, 4) | rowCells(4, 3, 5) | rowCells(5, 4, 4);
    const PositionSet centreAndArmEnds = rowCells(4, 4, 4) | rowCells(1, 4, 4) | rowCells(4, 1, 1) | rowCells(4, 7, 7)
        | rowCells(7, 4, 4);

    EXPECT_EQ(optionalLayout(1).occupied, cross);
    EXPECT_EQ(optionalLayout(2).occupied, square);
    EXPECT_EQ(optionalLayout(3).occupied, game3);
    EXPECT_EQ(optionalLayout(4).occupied, game4);
    EXPECT_EQ(optionalLayout(5).occupied, PositionSet::all() - armCorners);
    EXPECT_EQ(optionalLayout(6).occupied, PositionSet::all() - plus);
    EXPECT_EQ(optionalLayout(7).occupied, PositionSet::all() - centreAndArmEnds);
}

TEST(OptionalLayouts, ListedPositionsOfTheFirstGamesAndTheEmptyOnesOfTheLast)
{
    EXPECT_EQ(optionalLayout(1).occupied, (PositionSet{5, 9, 10, 11, 17, 24}));
    EXPECT_EQ(optionalLayout(2).occupied, (PositionSet{9, 10, 11, 16, 17, 18, 23, 24, 25}));
    EXPECT_EQ(PositionSet::all() - optionalLayout(6).occupied, (PositionSet{10, 16, 17, 18, 24}));
    EXPECT_EQ(PositionSet::all() - optionalLayout(7).occupied, (PositionSet{2, 14, 17, 20, 32}));
    EXPECT_NE(optionalLayout(6).occupied, optionalLayout(7).occupied);
}

TEST(OptionalLayouts, RejectsNumbersOutsideOneToSeven)
{
    EXPECT_THROW(optionalLayout(0), std::invalid_argument);
    EXPECT_THROW(optionalLayout(8), std::invalid_argument);
}

// The catalogue in the table view's tab order, and the code rule 11 - n.
TEST(GameCatalogue, TabsRunFromTheStandardGameDownTheOptionalOnes)
{
    const char* const captions[] = {"Standardní",  "Volitelná 7", "Volitelná 6", "Volitelná 5",
                                    "Volitelná 4", "Volitelná 3", "Volitelná 2", "Volitelná 1"};
    for (int tab = 0; tab < kGameCount; ++tab) {
        const Game& game = kGames[std::size_t(tab)];
        EXPECT_EQ(game.caption, captions[tab]);
        EXPECT_EQ(game.code, std::to_string(tab + 3));
        if (tab > 0) {
            EXPECT_EQ(game.optionalNumber, 11 - std::stoi(std::string(game.code)));
        }
    }
    EXPECT_EQ(standardGame().optionalNumber, 0);
}
