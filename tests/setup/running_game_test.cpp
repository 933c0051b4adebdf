#include "setup/core/Games.h"
#include "setup/core/RunningGame.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace pelikor;

// A game laid, jumped and finished keeps its game for the result; the next
// one, given up, is forgotten. Between games the board's count is ignored,
// so the window shows none.
TEST(RunningGame, FollowsAFinishedAndAnAbandonedGame)
{
    RunningGame game;
    EXPECT_FALSE(game.runs());
    EXPECT_THROW(game.result(), std::logic_error);

    game.start(optionalGame(2), 9);
    game.setRemaining(8);
    EXPECT_TRUE(game.runs());
    const GameResult result = game.result();
    EXPECT_EQ(result.game.code, "9");
    EXPECT_EQ(result.startCount, 9);
    EXPECT_EQ(result.remaining, 8);

    game.finish();
    game.setRemaining(33);
    EXPECT_FALSE(game.runs());
    EXPECT_EQ(game.remaining(), 0);
    EXPECT_EQ(game.result().game.code, "9");

    game.start(standardGame(), 32);
    EXPECT_EQ(game.remaining(), 32);
    game.abandon();
    EXPECT_FALSE(game.runs());
    EXPECT_EQ(game.remaining(), 0);
    EXPECT_EQ(game.startCount(), 32);
    EXPECT_FALSE(game.game());
}
