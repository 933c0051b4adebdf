#include "dialogs/AccessibleQuiet.h"

#include <utility>

QList<AccessibleQuiet*> AccessibleQuiet::open_;
QList<AccessibleQuiet::Held> AccessibleQuiet::held_;
QAccessible::UpdateHandler AccessibleQuiet::previous_ = nullptr;

AccessibleQuiet::AccessibleQuiet(const QObject* window) : window_(window), named_(window != nullptr)
{
    if (open_.isEmpty())
        previous_ = QAccessible::installUpdateHandler(&AccessibleQuiet::hold);
    open_ << this;
}

// The events kept are told through whoever listened before: the platform's
// bridge, or a handler a test installed.
AccessibleQuiet::~AccessibleQuiet()
{
    open_.removeOne(this);
    if (!open_.isEmpty())
        return;
    QAccessible::installUpdateHandler(previous_);
    const QList<Held> held = std::exchange(held_, {});
    for (const Held& event : held) {
        if (!event.object)
            continue;
        if (event.type == QAccessible::StateChanged) {
            QAccessibleStateChangeEvent told(event.object, event.changed);
            QAccessible::updateAccessibility(&told);
        } else {
            QAccessibleEvent told(event.object, event.type);
            told.setChild(event.child);
            QAccessible::updateAccessibility(&told);
        }
    }
}

void AccessibleQuiet::hold(QAccessibleEvent* event)
{
    if (open_.isEmpty() || !open_.last()->tells(*event))
        return;
    const QAccessible::State changed = event->type() == QAccessible::StateChanged
        ? static_cast<QAccessibleStateChangeEvent*>(event)->changedStates()
        : QAccessible::State();
    held_ << Held{event->object(), event->type(), event->child(), changed};
}

bool AccessibleQuiet::tells(const QAccessibleEvent& event) const
{
    if (!named_ || !event.object())
        return false;
    switch (event.type()) {
    case QAccessible::Focus:
        return true;
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide:
    case QAccessible::StateChanged:
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
        return event.object() == window_;
    default:
        return false;
    }
}
