#pragma once

#include <QList>
#include <QRect>

// Where an arrow key leads among controls laid out on a plane: to the
// nearest one beyond the current one in the arrow's direction that shares
// its row (for Left and Right) or its column (for Up and Down). There is no
// wrapping: at the end of a row or column the arrow leads nowhere.
namespace ArrowNavigation {

// Whether `key` is one of the four arrow keys.
bool isArrow(int key);

// The index in `places` the arrow leads to from `from`, or -1.
int nearest(const QList<QRect>& places, const QRect& from, int key);

} // namespace ArrowNavigation
