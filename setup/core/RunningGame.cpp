#include "setup/core/RunningGame.h"

#include <stdexcept>

namespace pelikor {

void RunningGame::start(const Game& game, int pegs)
{
    game_ = game;
    startCount_ = pegs;
    remaining_ = pegs;
    runs_ = true;
    assisted_ = false;
}

void RunningGame::markAssisted()
{
    if (runs_)
        assisted_ = true;
}

void RunningGame::setRemaining(int remaining)
{
    if (runs_)
        remaining_ = remaining;
}

void RunningGame::finish()
{
    runs_ = false;
    remaining_ = 0;
}

void RunningGame::abandon()
{
    finish();
    game_.reset();
}

GameResult RunningGame::result() const
{
    if (!game_)
        throw std::logic_error("No game has been laid, so none has a result");
    return {*game_, startCount_, remaining_, assisted_};
}

} // namespace pelikor
