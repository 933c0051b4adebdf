#pragma once

#include "game/core/Positions.h"

#include <QObject>
#include <QPoint>

#include <array>

class BoardPanel;
class HemisphereButton;

// Lets the player drag a peg onto a hole. A press that the pointer leaves
// by the drag distance lifts the peg, which follows the pointer over the
// board; dropped on the target of a legal jump, it makes that jump as a
// click on it and then on the hole would; dropped anywhere else, it goes
// back to its place with no jump and no cue. A press and release without
// that movement stays the peg's click.
class PegDrag : public QObject {
    Q_OBJECT

public:
    using Pegs = std::array<HemisphereButton*, pelikor::kPositionCount + 1>;

    // Watches the pegs of `board`, `pegs[n]` standing on position n.
    PegDrag(BoardPanel& board, const Pegs& pegs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int positionOf(QObject* peg) const;
    void lift();
    void drop(QPoint global);
    // The lifted peg back at its place and below the controls it was under.
    void putBack();
    bool isLegal(int source, int target) const;

    BoardPanel& board_;
    Pegs pegs_;
    int pressed_ = 0; // the peg under a held left button, or 0
    bool lifted_ = false;
    QPoint pressAt_; // where the press began, on the screen
    QPoint grab_;    // where the pointer holds the peg, on the peg
    QWidget* above_ = nullptr;
};
