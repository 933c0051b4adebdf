#pragma once

#include "widgets/ColourNumber.h"

#include <QPalette>
#include <QWidget>

// Fills the widget with one colour behind its children, as the program's
// forms and panels are coloured.
inline void setBackground(QWidget* widget, ColourNumber colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
