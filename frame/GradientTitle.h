#pragma once

#include "widgets/GradientText.h"

#include <QFont>

// The program's name and version as its title pictures show them: letters
// running from red to blue, Times New Roman, bold italic.
inline GradientText* makeGradientTitle(QWidget* parent, const QString& name, const QString& text, int pixels)
{
    auto* title = new GradientText(parent);
    title->setObjectName(name);
    title->setLines({text});
    title->setBeginColor(0x0000FF);
    title->setEndColor(0xFF0000);
    title->setGradientStyle(GradientStyle::Horizontal);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(true);
    title->setFont(font);
    // Measured on one line: the text wraps only where the control is narrower.
    title->resize(QWIDGETSIZE_MAX, title->height());
    title->resize(title->measuredSize());
    return title;
}
