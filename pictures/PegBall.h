#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace pictures {

// The pink of the game's pegs, and the darker rose of their rims.
inline const QColor kPegColour(255, 128, 128);
inline const QColor kPegRimColour(135, 42, 58);

// A round peg seen from the front, a glossy ball lit from the upper left
// with a soft rose rim; the figure's body and the small pegs share it.
void paintPegBall(QPainter& painter, const QRectF& ball);

} // namespace pictures
