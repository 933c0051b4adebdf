#pragma once

#include "game/core/Positions.h"
#include "setup/SetupStepDialog.h"
#include "widgets/ColourNumber.h"

#include <array>

class HemisphereButton;
class PositionCursor;

// The standard game's setup: on a miniature board of 33 buttons the player
// marks the one peg taken away from the full board before play; the marked
// button's face turns red. A keyboard cursor over the
// miniature marks as a click does (Space); Enter stays the dialog's "Ok".
class StandardGameBalloon : public SetupStepDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{203, 224};
    static constexpr ColourNumber kUnmarked = kClGray;
    static constexpr ColourNumber kMarked = 255; // red

    explicit StandardGameBalloon(Services& services);

    // Button `position` of the miniature board clicked: it alone is marked
    // and turns red; 0 marks none.
    void markPeg(int position);
    // "Ok", and Enter: the game starts without the marked peg.
    void startGame();
    // "Zpět", and Esc: back to the chooser.
    void goBack();

    // The marked position, 0 while none is.
    int markedPosition() const { return marked_; }

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
    int marked_ = 0;
};
