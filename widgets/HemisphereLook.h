#pragma once

#include "widgets/ColourNumber.h"

#include <QImage>
#include <QSize>
#include <QString>

enum class HemisphereBevel { None, Lowered, Raised };
enum class HemisphereBorder { None, Single };

// The properties a hemisphere button's pictures are rendered from, with
// the values a new button gets.
struct HemisphereLook {
    double attenControl = 1.0;
    HemisphereBevel bevelInner = HemisphereBevel::None;
    HemisphereBevel bevelOuter = HemisphereBevel::Lowered;
    int bevelWidth = 2;
    ColourNumber borderColor = kClGray;
    HemisphereBorder borderStyle = HemisphereBorder::None;
    QString caption;
    ColourNumber faceColor = kClGray;
    bool faceShaded = true;
    bool faceTransparent = false;
    QImage glyph;
    int glyphIndex = 1;
    bool glyphShaded = true;
    bool glyphMapped = false;
    bool glyphTransparent = true;
    int numGlyphs = 1;

    bool operator==(const HemisphereLook&) const = default;

    // How far the face lies inside the edge: the width of the rings drawn.
    int ringsWidth() const;

    // Whether the point at offset (dx, dy) from the centre of an area of
    // the given size lies in the ellipse set `inset` pixels inside its edge.
    // Inline, as rendering asks it for every pixel.
    static bool isInEllipse(double dx, double dy, QSize size, double inset)
    {
        const double halfWidth = size.width() / 2.0 - inset;
        const double halfHeight = size.height() / 2.0 - inset;
        if (halfWidth <= 0 || halfHeight <= 0)
            return false;
        return (dx / halfWidth) * (dx / halfWidth) + (dy / halfHeight) * (dy / halfHeight) <= 1.0;
    }
};
