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
            makeJump(jump);
            history_.record(jump);
            return MoveCue::Jump;
        }
    return MoveCue::None;
}

MoveCue Board::undo()
{
    const std::optional<Jump> jump = history_.stepBack();
    if (!jump)
        return MoveCue::None;
    takeBack(*jump);
    return MoveCue::Jump;
}

MoveCue Board::redo()
{
    const std::optional<Jump> jump = history_.stepForward();
    if (!jump)
        return MoveCue::None;
    makeJump(*jump);
    return MoveCue::Jump;
}

void Board::makeJump(const Jump& jump)
{
    selected_ = 0;
    for (PositionSet* flags : {&pegs_, &twins_}) {
        flags->erase(jump.source);
        flags->erase(jump.over);
        flags->insert(jump.target);
    }
    --remaining_;
}

void Board::takeBack(const Jump& jump)
{
    selected_ = 0;
    for (PositionSet* flags : {&pegs_, &twins_}) {
        flags->insert(jump.source);
        flags->insert(jump.over);
        flags->erase(jump.target);
    }
    ++remaining_;
}

} // namespace pelikor
