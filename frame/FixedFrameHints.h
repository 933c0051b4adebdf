#pragma once

class QWidget;

// Tells the X window manager that `window`, a window of fixed size, may be
// moved, minimised and closed only, and is framed by a border and a title
// with its system menu and minimise box. Qt always offers resizing there,
// and some window managers then draw resize handles on a window that
// cannot change its size. Does nothing on other window systems.
void askForFixedFrame(QWidget& window);
