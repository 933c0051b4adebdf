#pragma once

#include "widgets/ColourNumber.h"
#include "widgets/GradientFill.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QStringList>

enum class Justification { Left, Centre, Right };

// Everything the letters of a gradient text are made from, apart from the
// control that shows them: its picture can be made on any thread once the
// application exists, and comes out as the control would make it.
struct GradientLetters {
    QStringList lines;
    QFont font;
    ColourNumber beginColor = 0x00FFFF;
    ColourNumber endColor = 0x0000FF;
    GradientStyle style = GradientStyle::Vertical;
    Justification justification = Justification::Centre;
    // The width that wraps the lines.
    int width = 0;

    // The size the text needs in the font at the width.
    QSize measuredSize() const;
    // The letters filled with the gradient on a see-through ground, at
    // `size` (the measured size) times the device pixel ratio, carrying the
    // ratio.
    QImage render(QSize size, qreal dpr) const;

private:
    int textFlags() const;
};
