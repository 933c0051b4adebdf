#pragma once

#include <QAccessible>

// Tells each move of the keyboard focus, and each window activated, once.
// Qt tells a board's focus as the widget's own, so a reader heard the
// board's panel before the position the cursor stands on; a focus told of
// a board goes straight to the position it names as its focused child.
// Qt also tells a window's activation twice: by the window's activation,
// which the bridge reports, and again by a change of its active state sent
// when its native window gains or loses the focus, read at a moment when
// the window is not yet what it will be (a main window "activated" as a
// balloon takes the keys); that second report is dropped. Installed once
// per program, before any handler that holds events back.
namespace AccessibleFocus {

void install();

} // namespace AccessibleFocus
