#pragma once

#include <QMouseEvent>

// The pointer state the flat controls track for themselves: hot while the
// pointer is over the control, pressed while a button is held on it.
struct FlatMouseState {
    bool hot = false;
    bool pressed = false;

    static bool isTrackedButton(Qt::MouseButton button)
    {
        return button == Qt::LeftButton || button == Qt::MiddleButton || button == Qt::RightButton;
    }
};
