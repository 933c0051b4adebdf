#include "widgets/FlatControl.h"

#include <QMouseEvent>

FlatControl::FlatControl(const MouseRules& rules, QWidget* parent) : QWidget(parent), rules_(rules) {}

void FlatControl::enterEvent(QEnterEvent*)
{
    if (!isEnabled())
        return;
    hot_ = true;
    update();
}

void FlatControl::leaveEvent(QEvent*)
{
    hot_ = false;
    pointerLeft();
    update();
}

void FlatControl::mousePressEvent(QMouseEvent* event)
{
    if (!isEnabled() || !(rules_.pressButtons & event->button()))
        return;
    if (rules_.pressMakesHot)
        hot_ = true;
    held_ = true;
    pressed_ = true;
    pressBegan();
    update();
}

void FlatControl::mouseMoveEvent(QMouseEvent* event)
{
    // Without the rule the move is none of the control's business and
    // goes on to its parent.
    if (!rules_.pressFollowsPointer) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (!held_)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != pressed_) {
        pressed_ = inside;
        update();
    }
}

void FlatControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (!isEnabled() || !held_ || !(rules_.releaseButtons & event->button()))
        return;
    held_ = false;
    if (!staysPressed())
        pressed_ = false;
    pressEnded();
    update();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        clickedOnControl();
}

void FlatControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        hot_ = false;
        pressed_ = false;
        held_ = false;
        pressEnded();
        update();
    }
    QWidget::changeEvent(event);
}
