#pragma once

#include "game/core/Jumps.h"

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <vector>

class BoardPanel;

// Plays jumps on the board one by one at a pace a player can follow: the
// peg of each jump is selected, and jumps a moment later, with the cues of
// the player's own clicks. A key or a mouse button pressed anywhere stops
// it, and so does any change of the board it did not make itself; the
// player carries on from there.
class WayPlayer : public QObject {
    Q_OBJECT

public:
    explicit WayPlayer(BoardPanel& board);

    void play(const std::vector<pelikor::Jump>& way);
    void stop();
    bool playing() const { return timer_.isActive(); }
    // Whether the board is changing by one of the way's own steps.
    bool stepping() const { return stepping_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step();
    void boardChanged();

    BoardPanel& board_;
    QTimer timer_;
    std::vector<pelikor::Jump> way_;
    std::size_t next_ = 0;
    bool selected_ = false; // the next jump's peg is selected, its jump is next
    bool stepping_ = false;
};
