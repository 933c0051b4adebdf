#pragma once

#include "Positions.h"

#include <string_view>

namespace pelikor {

// Sound cues the board asks for; the window plays them before it shows the change.
inline constexpr std::string_view kCueSelect = "Bod.wav";
inline constexpr std::string_view kCueJump = "Prenos.wav";

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
    std::string_view select(int n);

    // Tries the candidates of target t in checking order. Returns the cue
    // of the executed jump, or an empty view when no candidate applied.
    std::string_view jumpInto(int t);

    bool hasPeg(int n) const { return pegs_.contains(n); }
    bool hasTwin(int n) const { return twins_.contains(n); }
    bool isSelected(int n) const { return selected_ == n && n != 0; }
    int selected() const { return selected_; }
    int remaining() const { return remaining_; }

    PositionSet pegs() const { return pegs_; }
    PositionSet twins() const { return twins_; }

    // Direct writes for the monitor (pruning), the result hand-off (refill)
    // and the commands that end a game.
    void setPegs(PositionSet pegs) { pegs_ = pegs; }
    void setTwins(PositionSet twins) { twins_ = twins; }
    void setRemaining(int remaining) { remaining_ = remaining; }
    void clearSelection() { selected_ = 0; }

private:
    PositionSet pegs_;
    PositionSet twins_;
    int selected_ = 0; // 0: no peg carries the selection colour
    int remaining_ = 0;
};

} // namespace pelikor
