#include "widgets/FlatControl.h"

#include "widgets/ArrowNavigation.h"
#include "widgets/KeyboardCues.h"

#include <QKeyEvent>
#include <QMouseEvent>

FlatControl::FlatControl(const MouseRules& rules, QWidget* parent) : QWidget(parent), rules_(rules)
{
    setFocusPolicy(Qt::TabFocus);
    KeyboardCues::follow();
}

void FlatControl::click()
{
    if (isEnabled() && isVisible())
        clickedOnControl();
}

bool FlatControl::showsFocus() const
{
    return hasFocus() && KeyboardCues::shown();
}

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
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        forgetPointer();
    QWidget::changeEvent(event);
}

// A window that hides under the pointer hears of no leaving: without this
// its control would come back lit when the window shows again elsewhere.
void FlatControl::hideEvent(QHideEvent* event)
{
    forgetPointer();
    QWidget::hideEvent(event);
}

void FlatControl::forgetPointer()
{
    hot_ = pressed_ = held_ = false;
    pressEnded();
    update();
}

void FlatControl::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    if (ArrowNavigation::isArrow(event->key()) && followsArrow(event->key())) {
        moveFocusToward(event->key());
        return;
    }
    QWidget::keyPressEvent(event);
}

void FlatControl::moveFocusToward(int key)
{
    QList<FlatControl*> peers;
    QList<QRect> places;
    for (FlatControl* peer : window()->findChildren<FlatControl*>()) {
        if (peer == this || peer->metaObject() != metaObject() || !peer->isVisible() || !peer->isEnabled()
            || !(peer->focusPolicy() & Qt::TabFocus))
            continue;
        peers << peer;
        places << QRect(peer->mapTo(window(), QPoint()), peer->size());
    }
    const int next = ArrowNavigation::nearest(places, QRect(mapTo(window(), QPoint()), size()), key);
    if (next >= 0)
        peers[next]->setFocus(Qt::TabFocusReason);
}
