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
    history_.start(pegs_);
}

// A full board no longer follows the jumps made, so none can be undone on it.
void Board::showAllPegs()
{
    pegs_ = PositionSet::all();
    history_.dropSteps();
}

void Board::refill()
{
    showAllPegs();
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
    // The sources of one target differ, so at most one candidate can have
    // the selected peg as its source.
    for (const Jump& jump : jumpsInto(t))
        if (selected_ == jump.source && isOpen(jump, pegs_)) {
            move(jump, true);
            history_.record(jump);
            return MoveCue::Jump;
        }
    return MoveCue::None;
}

MoveCue Board::undo()
{
    return replay(history_.stepBack(), false);
}

MoveCue Board::redo()
{
    return replay(history_.stepForward(), true);
}

MoveCue Board::replay(std::optional<Jump> jump, bool made)
{
    if (!jump)
        return MoveCue::None;
    move(*jump, made);
    return MoveCue::Jump;
}

void Board::move(const Jump& jump, bool made)
{
    selected_ = 0;
    for (PositionSet* flags : {&pegs_, &twins_}) {
        flags->set(jump.source, !made);
        flags->set(jump.over, !made);
        flags->set(jump.target, made);
    }
    remaining_ += made ? -1 : 1;
}

} // namespace pelikor
