#pragma once

#include "dialogs/BalloonDialog.h"

class QTimer;

// The second copy's warning: a balloon beside the figure, blinking between
// two pinks, that says a copy of the program runs already. Acknowledging
// it closes the figure, which ends this copy.
class SecondCopyWarning : public BalloonDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{320, 97};
    static constexpr ColourNumber kStrongPink = 10184434; // 0x9B66F2
    static constexpr ColourNumber kLightPink = 13547001;  // 0xCEB5F9
    static constexpr int kBlinkIntervalMs = 500;

    // `owners` holds the figure, the only other window of this copy.
    explicit SecondCopyWarning(DialogOwners& owners);

    // The balloon's colour now.
    ColourNumber colour() const { return colour_; }

    // Ok, Enter and Esc alike: enables the figure and closes it.
    void acknowledge();
    // Turns the balloon to the other pink.
    void blink();

protected:
    void handleKey(int key) override;
    // A warning closed by the window system blinks no more.
    void hideEvent(QHideEvent* event) override;

private:
    void setColour(ColourNumber colour);

    ColourNumber colour_ = kStrongPink;
    QTimer* blinkTimer_ = nullptr;
};
