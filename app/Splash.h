#pragma once

#include <QWidget>

class GradientProgress;

// The splash shown while the program starts: its name and version, the
// figure, and the meter that follows the creation of the windows.
// There is no event loop yet while it shows, so it paints itself on the
// screen at every step.
class Splash : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{339, 288};

    Splash();

    // Shows the splash centred on the screen and has it on the screen,
    // painted, when this returns. Its texts are laid out once the window is
    // on its way to the screen: they wait for the fonts to be set up.
    void showAndPaint();

    // One step of the start is done: the meter moves on to `value` (at
    // most its maximum) and is on the screen when this returns. A value
    // that is not above the meter's position leaves it as it is: the meter
    // only grows during the start.
    void stepDone(int value);

    GradientProgress& meter() { return *meter_; }

private:
    // Creates the meter on its strip.
    void createMeter();
    // The titles, the framed picture between them and the meter, and the
    // captions, placed by the sizes of their texts.
    void createTexts();
    // Qt is about to map the window: the fonts' set-up begins.
    void mapping(bool visible);

    // Everything the splash shows, on its black ground.
    QWidget* content_ = nullptr;
    QWidget* panel_ = nullptr;
    QWidget* strip_ = nullptr;
    GradientProgress* meter_ = nullptr;
    bool textsMade_ = false;
};
