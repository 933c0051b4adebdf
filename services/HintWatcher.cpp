#include "services/HintWatcher.h"

#include "widgets/KeyboardCues.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>

HintWatcher::HintWatcher(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

HintWatcher::~HintWatcher()
{
    qApp->removeEventFilter(this);
}

QString HintWatcher::hintOf(const QWidget* control)
{
    for (; control; control = control->isWindow() ? nullptr : control->parentWidget())
        if (!control->statusTip().isEmpty())
            return control->statusTip();
    return {};
}

bool HintWatcher::eventFilter(QObject* watched, QEvent* event)
{
    // While a menu is open, its highlighted item speaks: the pointer leaving
    // the menu bar for the opening menu must not wipe the item's hint.
    const bool crossing = event->type() == QEvent::Enter || event->type() == QEvent::Leave;
    if (crossing && QApplication::activePopupWidget())
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        if (watched->isWidgetType())
            setHint(hintOf(static_cast<QWidget*>(watched)));
        break;
    case QEvent::Leave:
        // The pointer goes back to the parent, which gets no enter of its
        // own; a control it enters instead says so right after.
        if (watched->isWidgetType()) {
            const auto* control = static_cast<QWidget*>(watched);
            setHint(control->isWindow() ? QString() : hintOf(control->parentWidget()));
        }
        break;
    case QEvent::Hide:
        // A window hiding under the pointer hears of no leaving, and the
        // pointer may come to rest on no window of ours at all.
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow() && !event->spontaneous()
            && !QApplication::activePopupWidget())
            setHint(hintUnderPointer());
        break;
    case QEvent::FocusIn:
        if (watched->isWidgetType() && KeyboardCues::shown())
            setHint(hintOf(static_cast<QWidget*>(watched)));
        break;
    case QEvent::StatusTip: {
        // Menus tell their highlighted item this way, and a control with
        // the keyboard focus the hint of what the keys are on.
        const QString& tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (qobject_cast<QMenu*>(watched) || qobject_cast<QMenuBar*>(watched))
            setHint(tip);
        else if (watched == QApplication::focusWidget() && !tip.isEmpty())
            setHint(tip);
        break;
    }
    default:
        break;
    }
    return false;
}

QString HintWatcher::hintUnderPointer()
{
    return hintOf(QApplication::widgetAt(QCursor::pos()));
}

void HintWatcher::setHint(const QString& hint)
{
    if (hint == hint_)
        return;
    hint_ = hint;
    emit hintChanged(hint_);
}
