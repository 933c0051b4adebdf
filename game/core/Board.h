#pragma once

#include "game/core/Positions.h"

namespace pelikor {

// The sound a move asks for; the board window plays its cue.
enum class MoveCue { None, Select, Jump };

// The state of a game: pegs, the selected peg, the monitor's twin board and
// the remaining count. The board window mirrors it into its controls.
class Board {
public:
    // Program start: every peg and twin present, nothing selected, count 0.
    Board();

    // Lays a new game the way the start procedure does: pegs and twins on
    // exactly the occupied positions, no selection, count = number of pegs.
    void lay(PositionSet occupied);

    // Selects peg n (also when it is already selected). Returns the cue to
    // play; an empty position is not selected and gives no cue.
    MoveCue select(int n);

    // Tries the candidates of target t in checking order. Returns the cue
    // of the executed jump, or None when no candidate applied.
    MoveCue jumpInto(int t);

    // Every position holds a peg again; the twins and the count stay. The
    // standard game's setup does this behind the hidden board.
    void showAllPegs();
    // Every peg and every twin present again, as at the end of a game; the
    // count stays.
    void refill();
    // No peg carries the selection colour any more: the game was left.
    void dropSelection();

    bool hasPeg(int n) const { return pegs_.contains(n); }
    bool hasTwin(int n) const { return twins_.contains(n); }
    bool isSelected(int n) const { return selected_ == n && n != 0; }
    int selected() const { return selected_; }
    int remaining() const { return remaining_; }

    PositionSet pegs() const { return pegs_; }
    PositionSet twins() const { return twins_; }

    // The monitor's pruning of the twin board.
    void setTwins(PositionSet twins) { twins_ = twins; }

private:
    PositionSet pegs_;
    PositionSet twins_;
    int selected_ = 0; // 0: no peg carries the selection colour
    int remaining_ = 0;
};

} // namespace pelikor
