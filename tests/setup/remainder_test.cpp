#include "game/core/BestFinish.h"
#include "setup/core/Games.h"

#include <gtest/gtest.h>

using namespace pelikor;

// Small boards whose answer can be seen by eye.
TEST(SmallestRemainder, SmallBoards)
{
    const struct {
        const char* what;
        PositionSet pegs;
        int expected;
    } cases[] = {
        {"empty board", {}, 0},
        {"one peg", {5}, 1},
        {"a pair with room behind it", {4, 5}, 1},
        {"a pair at the edge, jumping inwards only", {1, 2}, 1},
        {"two pegs apart", {1, 33}, 2},
        {"an arm's three in a row, nothing beside", {1, 2, 3}, 3},
        {"a line of three with room at both ends", {9, 10, 11}, 2},
        {"a pair and a peg round the corner", {9, 10, 18}, 1},
        {"an L whose every jump leaves two apart", {10, 17, 18}, 2},
        {"the full board, no hole to jump into", PositionSet::all(), 33},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bestFinish(c.pegs).pegs, c.expected) << c.what;
}

// The result dialog shows these counts; each one is what the search finds,
// for the standard game from every start a player can choose.
TEST(SmallestRemainder, CatalogueHoldsWhatTheSearchFinds)
{
    for (int removed = 1; removed <= kPositionCount; ++removed)
        EXPECT_EQ(bestFinish(standardLayout(removed).occupied).pegs, standardGame().smallestRemainder)
            << "standard game without " << removed;
    for (int number = 1; number <= kOptionalGameCount; ++number)
        EXPECT_EQ(bestFinish(optionalGame(number).layout).pegs, optionalGame(number).smallestRemainder)
            << "optional game " << number;
}
