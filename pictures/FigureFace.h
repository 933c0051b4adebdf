#pragma once

#include <QRectF>

class QPainter;

namespace pictures {

// The figure's cheerful face on a peg ball: eyes glancing up-left, where
// its speech balloons open, and a wide smile. Small balls get a plainer
// face of dark eyes and a smile line that stays legible at a few pixels.
void paintFace(QPainter& painter, const QRectF& ball);

} // namespace pictures
