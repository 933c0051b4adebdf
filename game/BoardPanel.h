#pragma once

#include "game/core/Board.h"
#include "game/core/Monitor.h"

#include <QWidget>

#include <array>

class HemisphereButton;
class HoleShape;
class PositionCursor;
class QLabel;
class SoundCues;

// The board panel: the board picture with a hole shape and a peg for every
// position. It owns the board record (the pegs, the selection and the
// monitor's twins), mirrors the pegs and the selection into its controls
// and turns the player's clicks into moves. Over the pegs lies the
// keyboard cursor, through which a player without a mouse makes the same
// moves, and a screen reader reads and plays the positions.
class BoardPanel : public QWidget {
    Q_OBJECT

public:
    BoardPanel(SoundCues& cues, QWidget* parent);

    const pelikor::Board& board() const { return board_; }

    // Lays the pegs and their twins on exactly the occupied positions; the
    // count becomes the number of pegs.
    void layPegs(pelikor::PositionSet occupied);

    // The board record's whole-board changes, shown at once.
    void showAllPegs();
    void refill();
    void dropSelection();

    // Whether a peg or a hole lies under a point of the panel.
    bool isBoardControlAt(QPoint point) const;

    // Peg n clicked: select it.
    void selectPeg(int n);
    // Hole t pressed: jump into it if a listed jump applies.
    void jumpInto(int t);
    // Position n activated from the keyboard: what a left click there does.
    void activatePosition(int n);
    // The last jump taken back, or made again, shown and heard as a jump.
    void undo();
    void redo();

    // Tells a screen reader `news` after the count, until the board
    // changes; without news, the count alone.
    void announce(const QString& news = {});

    PositionCursor& cursor() { return *cursor_; }

    // The game monitor's look at the board: the peg tests count only while
    // the panel is shown. Prunes the record's twins.
    pelikor::Outcome monitorTick();

signals:
    // The remaining count changed: a jump, a new game.
    void remainingChanged(int remaining);
    // The board record changed (a selection, a jump, a new layout, a
    // refill), so that the game monitor looks at it again.
    void boardChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void playCue(pelikor::MoveCue cue);
    // A move that changed the board, shown and then heard.
    // Shows a move the board made; `spoken` is what a screen reader hears of it.
    void showMove(pelikor::MoveCue cue, const QString& spoken = {});
    // Makes the controls show the board record.
    void showBoardState();

    SoundCues& cues_;
    pelikor::Board board_;
    int shownRemaining_ = 0;

    QLabel* boardPicture_ = nullptr;
    std::array<HoleShape*, pelikor::kPositionCount + 1> holes_{};
    std::array<HemisphereButton*, pelikor::kPositionCount + 1> pegs_{};
    PositionCursor* cursor_ = nullptr;
};
