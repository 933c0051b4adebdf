#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QList>

class QAction;
class QWidget;

// A board's keyboard cursor as assistive technology sees it: a group of one
// button per position, each named by what the position holds and where,
// checked and selected while it holds the marked peg, focused where the
// cursor stands, and pressed as Space there presses it. The commands given
// to the cursor as actions are the group's actions while they are enabled,
// named by their captions.
class AccessiblePositions : public QAccessibleWidget {
public:
    // `cursor` is a PositionCursor.
    explicit AccessiblePositions(QWidget* cursor);
    ~AccessiblePositions() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QString localizedActionDescription(const QString& actionName) const override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    // The commands the board offers now, and the one of that name, or none.
    QList<QAction*> commands() const;
    QAction* command(const QString& actionName) const;

    // The positions' interfaces, made when first asked for and kept in
    // Qt's register of interfaces until the cursor goes.
    mutable QList<QAccessible::Id> ids_;
};
