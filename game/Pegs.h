#pragma once

#include "widgets/HemisphereButton.h"

#include <QRect>
#include <QString>

// The face colours of a peg.
inline constexpr ColourNumber kPegNormal = 8421631;   // 0x8080FF
inline constexpr ColourNumber kPegSelected = 16744703; // 0xFF80FF

// A peg as the board and its decoration use it: lowered 2-pixel ring,
// shaded face, no border.
inline HemisphereButton* makePeg(QWidget* parent, const QString& name, const QRect& place, ColourNumber face)
{
    auto* peg = new HemisphereButton(parent);
    peg->setObjectName(name);
    peg->setGeometry(place);
    peg->setFaceColor(face);
    return peg;
}
