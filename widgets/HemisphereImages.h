#pragma once

#include "widgets/HemisphereLook.h"

#include <QColor>
#include <QFont>
#include <QImage>

// The pictures a hemisphere button is painted from, rendered from its look
// at one size and device pixel ratio: the up and down faces, and the mask
// (black where the button is opaque, white where the parent shows through).
// Each has the size times the ratio in pixels and carries the ratio, so a
// painter draws it at the control's size.
struct HemisphereImages {
    QImage up;
    QImage down;
    QImage mask;
    QImage upPaint;   // up image, transparent outside the mask
    QImage downPaint; // down image, transparent outside the mask

    // The pictures of a control of at least 2 x 2 pixels; the caption is
    // written in `font` and `textColour`. `dpr` is a positive ratio.
    static HemisphereImages render(const HemisphereLook& look, QSize size, const QFont& font,
                                   const QColor& textColour, qreal dpr = 1.0);
};
