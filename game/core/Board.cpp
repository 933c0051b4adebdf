#include "Board.h"

#include "Jumps.h"

namespace pelikor {

Board::Board() : pegs_(PositionSet::all()), twins_(PositionSet::all()) {}

void Board::lay(PositionSet occupied)
{
    pegs_ = occupied & PositionSet::all();
    twins_ = pegs_;
    selected_ = 0;
    remaining_ = pegs_.size();
}

std::string_view Board::select(int n)
{
    selected_ = isPosition(n) ? n : 0;
    return kCueSelect;
}

std::string_view Board::jumpInto(int t)
{
    std::string_view cue;
    // Every candidate is looked at, as the click handler does; once one has
    // applied the selection is gone, so no later one can.
    for (const Jump& jump : jumpsInto(t)) {
        if (selected_ != jump.source || !pegs_.contains(jump.over))
            continue;
        cue = kCueJump;
        selected_ = 0;
        pegs_.erase(jump.source);
        twins_.erase(jump.source);
        pegs_.erase(jump.over);
        twins_.erase(jump.over);
        pegs_.insert(jump.target);
        twins_.insert(jump.target);
        --remaining_;
    }
    return cue;
}

} // namespace pelikor
