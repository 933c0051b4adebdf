#pragma once

#include <QWidget>

class TGradProgress;

// The splash shown while the program starts: its name and version, the
// figure, and the meter `Metr` that follows the creation of the windows.
// There is no event loop yet while it shows, so it paints itself on the
// screen at every step.
class TSpusteniDialog : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{339, 288};

    TSpusteniDialog();

    // Shows the splash centred on the screen and has it on the screen,
    // painted, when this returns.
    void showAndPaint();

    // One step of the start is done: the meter moves on to `value` (at
    // most its maximum) and is on the screen when this returns. A value
    // that is not above the meter's position leaves it as it is: the meter
    // only grows during the start.
    void stepDone(int value);

    TGradProgress& Metr() { return *Metr_; }

private:
    // Creates the meter on its strip and the caption beside it; returns
    // the strip's top.
    int createMeter(QWidget* panel);

    TGradProgress* Metr_ = nullptr;
};
