#pragma once

#include <QColor>
#include <QWidget>

// The colour a windowless control shows through to: its parent's
// background, or its own when it has no parent.
inline QColor parentColour(const QWidget* control)
{
    const QWidget* parent = control->parentWidget() ? control->parentWidget() : control;
    return parent->palette().color(parent->backgroundRole());
}
