#pragma once

#include "setup/core/Game.h"
#include "setup/core/GameResult.h"

#include <optional>

namespace pelikor {

// The game on the board beside the board itself: which game of the
// catalogue, how many pegs it started with and has left, and whether it
// still runs. The main window mirrors it into its commands and labels.
class RunningGame {
public:
    // A game laid with `pegs` pegs runs; none has been jumped yet, and no
    // aid has helped it.
    void start(const Game& game, int pegs);
    // An aid helped the running game, so that its result earns no place.
    void markAssisted();
    // The board's count after a jump; heeded only while the game runs, so
    // that an idle window keeps counting none.
    void setRemaining(int remaining);
    // The result was taken: the game stops and no pegs count, but which
    // game it was is kept.
    void finish();
    // The game was given up: it stops as in finish and is forgotten.
    void abandon();

    bool runs() const { return runs_; }
    const std::optional<Game>& game() const { return game_; }
    int startCount() const { return startCount_; }
    int remaining() const { return remaining_; }
    bool assisted() const { return assisted_; }

    // The game as the result dialogs receive it. Throws std::logic_error
    // while no game is known.
    GameResult result() const;

private:
    std::optional<Game> game_;
    int startCount_ = 0;
    int remaining_ = 0;
    bool runs_ = false;
    bool assisted_ = false;
};

} // namespace pelikor
