#include "game/core/Board.h"

#include "game/core/Jumps.h"

namespace pelikor {

Board::Board() : pegs_(PositionSet::all()), twins_(PositionSet::all()) {}

void Board::lay(PositionSet occupied)
{
    pegs_ = occupied & PositionSet::all();
    twins_ = pegs_;
    selected_ = 0;
    remaining_ = pegs_.size();
}

void Board::showAllPegs()
{
    pegs_ = PositionSet::all();
}

void Board::refill()
{
    pegs_ = PositionSet::all();
    twins_ = PositionSet::all();
}

void Board::dropSelection()
{
    selected_ = 0;
}

MoveCue Board::select(int n)
{
    // Only a peg can be selected: a selected empty position would let the
    // next jump make a peg from nothing.
    if (!isPosition(n) || !pegs_.contains(n))
        return MoveCue::None;
    selected_ = n;
    return MoveCue::Select;
}

MoveCue Board::jumpInto(int t)
{
    MoveCue cue = MoveCue::None;
    // Every candidate is looked at, as the click handler does; once one has
    // applied the selection is gone, so no later one can.
    for (const Jump& jump : jumpsInto(t)) {
        if (selected_ != jump.source || !pegs_.contains(jump.over))
            continue;
        cue = MoveCue::Jump;
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
