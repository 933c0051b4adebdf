#pragma once

#include "game/core/JumpHistory.h"
#include "game/core/Positions.h"

namespace pelikor {

// The sound a move asks for; the board window plays its cue.
enum class MoveCue { None, Select, Jump };

// The state of a game: pegs, the selected peg, the monitor's twin board,
// the remaining count and the jumps that undo and redo walk. The board
// window mirrors it into its controls.
class Board {
public:
    // Program start: every peg and twin present, nothing selected, count 0.
    Board();

    // Lays a new game the way the start procedure does: pegs and twins on
    // exactly the occupied positions, no selection, count = number of pegs,
    // no jump to undo.
    void lay(PositionSet occupied);

    // Selects peg n (also when it is already selected). Returns the cue to
    // play; an empty position is not selected and gives no cue.
    MoveCue select(int n);

    // Tries the candidates of target t in checking order. Returns the cue
    // of the executed jump, or None when no candidate applied; a target
    // that holds a peg takes none.
    MoveCue jumpInto(int t);

    // Takes the last jump back, or makes the last jump taken back again.
    // Returns the cue of a jump, or None when there is no such step. No peg
    // stays selected, as after a jump.
    MoveCue undo();
    MoveCue redo();

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
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // The layout the game on the board was laid with, to lay it again.
    PositionSet startLayout() const { return history_.layout(); }

    PositionSet pegs() const { return pegs_; }
    PositionSet twins() const { return twins_; }

    // The monitor's pruning of the twin board.
    void setTwins(PositionSet twins) { twins_ = twins; }

private:
    MoveCue replay(std::optional<Jump> jump, bool made);
    // Makes the jump, or takes it back.
    void move(const Jump& jump, bool made);

    PositionSet pegs_;
    PositionSet twins_;
    int selected_ = 0; // 0: no peg carries the selection colour
    int remaining_ = 0;
    JumpHistory history_;
};

} // namespace pelikor
