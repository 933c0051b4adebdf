#pragma once

#include "widgets/ColourNumber.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include <cstdlib>
#include <memory>

// What the widget tests share: pointer events sent straight to a control,
// parents of a known colour, and counting the pixels a control shows.
namespace WidgetTestSupport {

// The colour of the balloon dialogs the flat controls sit on.
inline constexpr ColourNumber kBalloonColour = 14745599;

// The pointer comes over the control, which makes a flat control hot.
inline void enter(QWidget* control)
{
    const QPointF at(1, 1);
    QEnterEvent event(at, control->mapToGlobal(at), control->mapToGlobal(at));
    QCoreApplication::sendEvent(control, &event);
}

inline void leave(QWidget* control)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(control, &event);
}

// A pointer move to `at` with `held` buttons down; returns whether the
// control kept the event. QTest's own move cannot reach the point 0, 0,
// which it takes for the control's centre.
inline bool moveTo(QWidget* control, QPoint at, Qt::MouseButtons held)
{
    const QPointF point(at);
    QMouseEvent event(QEvent::MouseMove, point, control->mapToGlobal(point), Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &event);
    return event.isAccepted();
}

inline void fillBackground(QWidget& widget, ColourNumber colour)
{
    widget.setAutoFillBackground(true);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    palette.setColor(QPalette::WindowText, Qt::black);
    widget.setPalette(palette);
}

// A parent of one colour, so the parts where it shows through a control
// can be recognised.
inline std::unique_ptr<QWidget> colouredParent(ColourNumber colour, QSize size = QSize(300, 200))
{
    auto parent = std::make_unique<QWidget>();
    parent->resize(size);
    fillBackground(*parent, colour);
    return parent;
}

// The control as it appears on its parent.
inline QImage onParent(QWidget* control)
{
    return control->parentWidget()->grab(control->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

inline int countColour(const QImage& image, const QRect& area, QColor colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

// Pixels of text ink: within `tolerance` of `colour` in every channel, so
// that the count does not hang on one face's anti-aliasing.
inline int countInk(const QImage& image, const QRect& area, QColor colour, int tolerance = 48)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += std::abs(pixel.red() - colour.red()) <= tolerance
                && std::abs(pixel.green() - colour.green()) <= tolerance
                && std::abs(pixel.blue() - colour.blue()) <= tolerance;
        }
    return count;
}

inline QImage solidPicture(QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
}

// Counts the paints a widget receives, to tell a paint done at once from
// one left to the event loop.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }

    int count() const { return count_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count_ += event->type() == QEvent::Paint;
        return false;
    }

private:
    int count_ = 0;
};

} // namespace WidgetTestSupport
