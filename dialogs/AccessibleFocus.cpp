#include "dialogs/AccessibleFocus.h"

#include "dialogs/AccessiblePositions.h"

namespace {

QAccessible::UpdateHandler previous = nullptr;

void tell(QAccessibleEvent* event);

// Through whoever listened before: the platform's bridge when nobody did.
void pass(QAccessibleEvent* event)
{
    if (previous) {
        previous(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&tell);
}

bool reportsActivation(const QAccessibleEvent* event)
{
    if (event->type() != QAccessible::StateChanged)
        return false;
    QAccessible::State active;
    active.active = true;
    return static_cast<const QAccessibleStateChangeEvent*>(event)->changedStates() == active;
}

void tell(QAccessibleEvent* event)
{
    if (reportsActivation(event))
        return;
    if (event->type() == QAccessible::Focus && event->child() < 0) {
        auto* board = dynamic_cast<AccessiblePositions*>(event->accessibleInterface());
        if (QAccessibleInterface* position = board ? board->focusChild() : nullptr) {
            QAccessibleEvent focused(position, QAccessible::Focus);
            pass(&focused);
            return;
        }
    }
    pass(event);
}

} // namespace

void AccessibleFocus::install()
{
    previous = QAccessible::installUpdateHandler(&tell);
}
