#include "dialogs/AccessiblePositions.h"

#include "widgets/PositionCursor.h"

#include <QAction>
#include <QPointer>
#include <QWindow>

namespace {

// A part of the board's cursor that a screen reader sees as a child of
// it: an interface of its own, without a widget or children.
class AccessibleCursorPart : public QAccessibleInterface {
public:
    explicit AccessibleCursorPart(PositionCursor* cursor) : cursor_(cursor) {}

    bool isValid() const override { return cursor_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return cursor_ ? cursor_->window()->windowHandle() : nullptr; }

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(cursor_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

protected:
    QPointer<PositionCursor> cursor_;
};

// Position n of a board.
class AccessiblePosition : public AccessibleCursorPart, public QAccessibleActionInterface {
public:
    AccessiblePosition(PositionCursor* cursor, int n) : AccessibleCursorPart(cursor), n_(n) {}

    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && cursor_ ? cursor_->describe(n_).name : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!cursor_)
            return {};
        const QRect place = cursor_->place(n_);
        return {cursor_->mapToGlobal(place.topLeft()), place.size()};
    }

    QAccessible::Role role() const override { return QAccessible::Button; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!cursor_) {
            state.invalid = true;
            return state;
        }
        const bool marked = cursor_->describe(n_).marked;
        state.focusable = true;
        state.focused = cursor_->hasFocus() && cursor_->position() == n_;
        state.checkable = true;
        state.checked = marked;
        state.selectable = true;
        state.selected = marked;
        state.invisible = !cursor_->isVisible();
        state.disabled = !cursor_->isEnabled();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }

    void doAction(const QString& action) override
    {
        if (!cursor_)
            return;
        if (action == pressAction()) {
            cursor_->activate(n_);
        } else if (action == setFocusAction()) {
            cursor_->setPosition(n_);
            cursor_->setFocus(Qt::OtherFocusReason);
        }
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }

private:
    int n_;
};

// The notification after the positions: what the last move did, read out
// by a screen reader as it shows. Hidden until the first move.
class AccessibleAnnouncement : public AccessibleCursorPart {
public:
    explicit AccessibleAnnouncement(PositionCursor* cursor) : AccessibleCursorPart(cursor) {}


    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && cursor_ ? cursor_->announcement() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !cursor_ || !cursor_->isVisible() || cursor_->announcement().isEmpty();
        return state;
    }
};

PositionCursor* cursorOf(const QAccessibleWidget* face)
{
    return static_cast<PositionCursor*>(face->object());
}

} // namespace

AccessiblePositions::AccessiblePositions(QWidget* cursor) : QAccessibleWidget(cursor, QAccessible::Grouping)
{
    // The positions, then the announcement.
    ids_.resize(static_cast<PositionCursor*>(cursor)->count() + 1);
}

AccessiblePositions::~AccessiblePositions()
{
    for (QAccessible::Id id : ids_)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

int AccessiblePositions::childCount() const
{
    return int(ids_.size());
}

QAccessibleInterface* AccessiblePositions::child(int index) const
{
    if (index < 0 || index >= ids_.size())
        return nullptr;
    if (!ids_[index]) {
        PositionCursor* cursor = cursorOf(this);
        QAccessibleInterface* face = index < cursor->count()
            ? static_cast<QAccessibleInterface*>(new AccessiblePosition(cursor, index + 1))
            : new AccessibleAnnouncement(cursor);
        ids_[index] = QAccessible::registerAccessibleInterface(face);
    }
    return QAccessible::accessibleInterface(ids_[index]);
}

int AccessiblePositions::indexOfChild(const QAccessibleInterface* child) const
{
    for (int index = 0; index < ids_.size(); ++index)
        if (ids_[index] && QAccessible::accessibleInterface(ids_[index]) == child)
            return index;
    return -1;
}

QAccessibleInterface* AccessiblePositions::childAt(int x, int y) const
{
    const PositionCursor* cursor = cursorOf(this);
    const QPoint at = cursor->mapFromGlobal(QPoint(x, y));
    for (int n = 1; n <= cursor->count(); ++n)
        if (cursor->place(n).contains(at))
            return child(n - 1);
    return nullptr;
}

QAccessibleInterface* AccessiblePositions::focusChild() const
{
    const PositionCursor* cursor = cursorOf(this);
    return cursor->hasFocus() ? child(cursor->position() - 1) : nullptr;
}

namespace {

QString commandName(const QAction* action)
{
    return QString(action->text()).remove(QLatin1Char('&'));
}

} // namespace

// A board locked with its window, as by an open balloon, offers no command.
QList<QAction*> AccessiblePositions::commands() const
{
    QList<QAction*> enabled;
    for (QAction* action : widget()->actions())
        if (action->isEnabled() && widget()->isEnabled())
            enabled << action;
    return enabled;
}

QAction* AccessiblePositions::command(const QString& actionName) const
{
    for (QAction* action : commands())
        if (commandName(action) == actionName)
            return action;
    return nullptr;
}

QStringList AccessiblePositions::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    for (const QAction* action : commands())
        names << commandName(action);
    return names;
}

void AccessiblePositions::doAction(const QString& actionName)
{
    if (QAction* action = command(actionName))
        action->trigger();
    else
        QAccessibleWidget::doAction(actionName);
}

QString AccessiblePositions::localizedActionDescription(const QString& actionName) const
{
    const QAction* action = command(actionName);
    return action ? action->statusTip() : QAccessibleWidget::localizedActionDescription(actionName);
}

QStringList AccessiblePositions::keyBindingsForAction(const QString& actionName) const
{
    const QAction* action = command(actionName);
    if (!action)
        return QAccessibleWidget::keyBindingsForAction(actionName);
    QStringList keys;
    for (const QKeySequence& key : action->shortcuts())
        keys << key.toString(QKeySequence::NativeText);
    return keys;
}
