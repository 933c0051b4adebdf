#pragma once

#include <QWidget>

// A windowless control that tracks the pointer itself: hot while the
// pointer is over it, pressed while a button is held on it. The flat
// buttons and labels share it and add their own state through the hooks.
// It takes the keyboard focus by Tab, never by a click, and Space clicks
// it; Enter and Esc go on to its window.
class FlatControl : public QWidget {
    Q_OBJECT

public:
    // How a control answers the mouse.
    struct MouseRules {
        Qt::MouseButtons pressButtons;   // buttons that press the control
        Qt::MouseButtons releaseButtons; // buttons whose release ends the press
        bool pressMakesHot;
        bool pressFollowsPointer; // moving out lets go, moving back presses again
    };

    // The flat button's and the link label's way: the left, middle or right
    // button presses and makes the control hot, any release lets go.
    static constexpr MouseRules kAnyButtonPresses{
        .pressButtons = Qt::LeftButton | Qt::MiddleButton | Qt::RightButton,
        .releaseButtons = Qt::AllButtons,
        .pressMakesHot = true,
        .pressFollowsPointer = false,
    };

    bool isHot() const { return hot_; }
    bool isPressed() const { return pressed_; }

    // The click a left mouse button released over the control gives, also
    // for the Space key and assistive technology; nothing while the
    // control is disabled or hidden.
    void click();

protected:
    FlatControl(const MouseRules& rules, QWidget* parent);

    // The control's own additions, each called before the repaint.
    virtual void pointerLeft() {}
    virtual void pressBegan() {}
    // The press is over: released, or the control disabled.
    virtual void pressEnded() {}
    // Whether the pressed look outlasts the release.
    virtual bool staysPressed() const { return false; }
    // The left button was released over the control.
    virtual void clickedOnControl() = 0;
    // Whether an arrow key moves the focus to the nearest control of the
    // same kind in that direction.
    virtual bool followsArrow(int key) const
    {
        Q_UNUSED(key);
        return false;
    }

    // Whether the focus mark is to be drawn: the control has the focus
    // and the player is using the keyboard.
    bool showsFocus() const;

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The pointer's states end: the control was disabled or its window hid.
    void forgetPointer();
    void moveFocusToward(int key);

    MouseRules rules_;
    bool hot_ = false;
    bool pressed_ = false;
    bool held_ = false; // a press began on the control and is not released
};
