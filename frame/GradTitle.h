#pragma once

#include "widgets/TGradText.h"

#include <QFont>

// The program's name and version as its title pictures show them: letters
// running from red to blue, Times New Roman, bold italic.
inline TGradText* makeGradTitle(QWidget* parent, const QString& name, const QString& text, int pixels)
{
    auto* title = new TGradText(parent);
    title->setObjectName(name);
    title->setLines({text});
    title->setBeginColor(0x0000FF);
    title->setEndColor(0xFF0000);
    title->setGradientStyle(TGradientStyle::gsHorizontal);
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
