#include "widgets/ArrowNavigation.h"

#include <cstdlib>
#include <limits>
#include <utility>

namespace ArrowNavigation {

namespace {

// How far `place` lies beyond `from` in the arrow's direction, centre to
// centre, or -1 when its centre is not past `from`'s edge that way or it
// leaves the row or column. Controls laid edge to edge may share a pixel.
int distanceBeyond(const QRect& from, const QRect& place, int key)
{
    const bool sameRow = place.top() <= from.bottom() && place.bottom() >= from.top();
    const bool sameColumn = place.left() <= from.right() && place.right() >= from.left();
    const QPoint centre = place.center();
    const QPoint offset = centre - from.center();
    switch (key) {
    case Qt::Key_Left: return sameRow && centre.x() < from.left() ? -offset.x() : -1;
    case Qt::Key_Right: return sameRow && centre.x() > from.right() ? offset.x() : -1;
    case Qt::Key_Up: return sameColumn && centre.y() < from.top() ? -offset.y() : -1;
    case Qt::Key_Down: return sameColumn && centre.y() > from.bottom() ? offset.y() : -1;
    default: return -1;
    }
}

} // namespace

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

// Of two equally far, the one more nearly in line with the current one.
int nearest(const QList<QRect>& places, const QRect& from, int key)
{
    const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
    int best = -1;
    std::pair<int, int> bestDistance(std::numeric_limits<int>::max(), 0);
    for (int index = 0; index < places.size(); ++index) {
        const int distance = distanceBeyond(from, places[index], key);
        const QPoint offset = places[index].center() - from.center();
        const std::pair<int, int> candidate(distance, std::abs(across ? offset.y() : offset.x()));
        if (distance >= 0 && candidate < bestDistance) {
            best = index;
            bestDistance = candidate;
        }
    }
    return best;
}

} // namespace ArrowNavigation
