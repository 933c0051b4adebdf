#pragma once

#include <QObject>
#include <QTimer>

// Lets a text cursor blink only for a while after the player's last key or
// click, as desktops do, and then stand still: a blinking cursor in an
// open dialog would wake the program twice a second for as long as the
// player is away. The next key or click has it blink again.
class CursorBlinkLimit : public QObject {
    Q_OBJECT

public:
    static constexpr int kBlinkForMs = 5000;

    // Watches the whole application; `blinkForMs` is how long a cursor
    // blinks after the last key or click.
    explicit CursorBlinkLimit(int blinkForMs = kBlinkForMs);
    ~CursorBlinkLimit() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stopBlinking();

    QTimer quiet_;
    // The desktop's blink period, while the cursor stands still.
    int flashTime_ = 0;
};
