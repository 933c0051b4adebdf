#include "widgets/PositionCursor.h"

#include "widgets/ArrowNavigation.h"
#include "widgets/FocusFrame.h"
#include "widgets/KeyboardCues.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStatusTipEvent>
#include <QTimer>

#include <utility>

namespace {

// A position as assistive technology sees it: the child of the cursor at
// index n - 1.
void tellOfPosition(int n, QAccessibleEvent&& event)
{
    event.setChild(n - 1);
    QAccessible::updateAccessibility(&event);
}

} // namespace

PositionCursor::PositionCursor(const QList<QRect>& places, const FrameLook& look, QWidget* parent)
    : QWidget(parent), look_(look)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    KeyboardCues::follow();
    QRect area;
    for (const QRect& place : places)
        area |= place;
    area.adjust(-look.margin, -look.margin, look.margin, look.margin);
    setGeometry(area);
    for (const QRect& place : places)
        places_ << place.translated(-area.topLeft());
}

QRect PositionCursor::place(int n) const
{
    return places_.value(n - 1);
}

QRect PositionCursor::frameRect(int n) const
{
    return place(n).adjusted(-look_.margin, -look_.margin, look_.margin, look_.margin);
}

void PositionCursor::setPosition(int n)
{
    if (n < 1 || n > count() || n == position_)
        return;
    update(frameRect(position_));
    position_ = n;
    update(frameRect(position_));
    followWithHint();
    if (hasFocus())
        announceFocus();
}

void PositionCursor::setDescriber(Describer describer)
{
    describer_ = std::move(describer);
    told_.clear();
    for (int n = 1; n <= count(); ++n)
        told_ << describe(n);
    followWithHint();
}

PositionCursor::Position PositionCursor::describe(int n) const
{
    return describer_ && n >= 1 && n <= count() ? describer_(n) : Position{};
}

void PositionCursor::positionsChanged()
{
    const bool listened = QAccessible::isActive();
    for (int n = 1; n <= int(told_.size()); ++n) {
        const Position now = describe(n);
        Position& before = told_[n - 1];
        if (listened && now.name != before.name)
            tellOfPosition(n, QAccessibleEvent(this, QAccessible::NameChanged));
        if (listened && now.marked != before.marked) {
            QAccessible::State changed;
            changed.checked = true;
            changed.selected = true;
            tellOfPosition(n, QAccessibleStateChangeEvent(this, changed));
        }
        before = now;
    }
    followWithHint();
}

void PositionCursor::activate(int n)
{
    if (n >= 1 && n <= count() && isEnabled() && isVisible())
        emit activated(n);
}

// A screen reader speaks a notification as it shows; a changed name it
// would not speak, since the bridge gives it no text to say.
void PositionCursor::announce(const QString& message)
{
    announcement_ = message;
    if (QAccessible::isActive())
        tellOfPosition(count() + 1, QAccessibleEvent(this, QAccessible::ObjectShow));
}

// Only while the keys are in use: a move made by the mouse leaves the hint
// to the pointer.
void PositionCursor::followWithHint()
{
    setStatusTip(describe(position_).hint);
    if (hasFocus() && KeyboardCues::shown() && !statusTip().isEmpty()) {
        QStatusTipEvent tip(statusTip());
        QCoreApplication::sendEvent(this, &tip);
    }
}

void PositionCursor::announceFocus()
{
    if (QAccessible::isActive() && hasFocus())
        tellOfPosition(position_, QAccessibleEvent(this, QAccessible::Focus));
}

void PositionCursor::paintEvent(QPaintEvent*)
{
    if (!hasFocus() || !KeyboardCues::shown())
        return;
    QPainter painter(this);
    drawFocusFrame(painter, frameRect(position_), look_.gaps);
}

void PositionCursor::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (ArrowNavigation::isArrow(key)) {
        const int next = ArrowNavigation::nearest(places_, place(position_), key);
        if (next >= 0)
            setPosition(next + 1);
        return;
    }
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key == Qt::Key_Space || (enter && enterActivates_)) {
        if (!event->isAutoRepeat())
            activate(position_);
        return;
    }
    QWidget::keyPressEvent(event);
}

// The widget's own focus is announced after this handler; the position's
// follows it, so that a screen reader ends on the position.
void PositionCursor::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    QTimer::singleShot(0, this, &PositionCursor::announceFocus);
}
