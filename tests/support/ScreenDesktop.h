#pragma once

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <functional>

// What the tests of shaped windows on an X server look at: a desktop of one
// colour behind the windows, and the screen as the server shows it.
namespace ScreenDesktop {

// A frameless window of one colour over the screen but its bottom row: a
// window manager takes a borderless window of the screen's size for a
// full-screen one and lifts it above every other, the figure's too.
class PlainDesktop : public QWidget {
public:
    explicit PlainDesktop(QColor colour)
    {
        setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
        setGeometry(QGuiApplication::primaryScreen()->geometry().adjusted(0, 0, 0, -1));
        QPalette plain = palette();
        plain.setColor(QPalette::Window, colour);
        setPalette(plain);
        setAutoFillBackground(true);
        show();
    }
};

// What the X server shows of an area of the screen given in logical
// coordinates, in device pixels.
inline QImage screenArea(const QRect& area)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

// Calls check(device, logical) for every device pixel of a picture of the
// screen at a ratio, with the logical pixel it lies in.
inline void forEachDevicePixel(const QImage& shown, int dpr, const std::function<void(QPoint, QPoint)>& check)
{
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            check(QPoint(x, y), QPoint(x / dpr, y / dpr));
}

} // namespace ScreenDesktop
