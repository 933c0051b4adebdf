#pragma once

#include <QPainterPath>
#include <QRectF>

namespace pictures {

// A bold question mark filling a box, as one shape to fill: the help icon
// and the warning triangle both ask with it.
QPainterPath questionMark(const QRectF& box);

} // namespace pictures
