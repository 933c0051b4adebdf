#pragma once

#include "game/core/Positions.h"
#include "setup/SetupStepDialog.h"
#include "widgets/ColourNumber.h"

#include <array>

class HemisphereButton;
class PositionCursor;

// The standard game's setup: on a miniature board of 33 buttons the player
// marks the one peg taken away from the full board before play. The mark
// is held by the buttons' face colours alone. A keyboard cursor over the
// miniature marks as a click does (Space); Enter stays the dialog's "Ok".
class StandardGameBalloon : public SetupStepDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{203, 224};
    static constexpr ColourNumber kUnmarked = kClGray;
    static constexpr ColourNumber kMarked = 255; // red

    explicit StandardGameBalloon(Services& services);

    // Button n of the miniature board clicked: it alone turns red.
    void markPeg(int n);
    // "Ok", and Enter: the game starts without the marked peg.
    void startGame();
    // "Zpět", and Esc: back to the chooser.
    void goBack();

    // The first red button of the miniature board, 0 when none is.
    int markedPosition() const;

signals:
    // Every peg of the main window is to stand again behind its hidden board.
    void allPegsRequested();
    // The standard game is to start with position `removed` empty.
    void startRequested(int removed);

protected:
    void prepareToShow() override;
    void handleKey(int key) override;

private:
    std::array<HemisphereButton*, pelikor::kPositionCount + 1> miniaturePegs_{};
    PositionCursor* cursor_ = nullptr;
};
