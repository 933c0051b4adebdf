#include "dialogs/AccessibleNames.h"

#include "dialogs/AccessiblePositions.h"
#include "dialogs/ProgramDialog.h"
#include "game/core/Positions.h"
#include "widgets/FlatButton.h"
#include "widgets/FlatControl.h"
#include "widgets/HemisphereButton.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>

namespace AccessibleNames {

namespace {

// The caption a player reads on one of the program's own controls.
QString captionOf(const QWidget* control)
{
    if (auto* link = qobject_cast<const LinkLabel*>(control))
        return link->caption();
    if (auto* button = qobject_cast<const FlatButton*>(control))
        return button->caption();
    if (auto* picture = qobject_cast<const PictureButton*>(control))
        return picture->caption();
    return {};
}

// Named when asked, so that a caption changed later is read as it is now.
QString nameOf(const QWidget* control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    const QString caption = captionOf(control);
    return caption.isEmpty() ? control->statusTip() : QString(caption).remove(QLatin1Char('&'));
}

// Whether a child says nothing to the player of its own: a peg or a hole,
// or a picture without a name.
bool saysNothing(const QWidget* child)
{
    if (qobject_cast<const HemisphereButton*>(child) || child->inherits("HoleShape"))
        return true;
    const auto* label = qobject_cast<const QLabel*>(child);
    return label && label->text().isEmpty() && label->accessibleName().isEmpty();
}

// Whether a shown sibling stacked above the child hides all of it; one that
// lets the mouse through to what lies below hides nothing.
bool isCovered(const QWidget* child, const QList<QWidget*>& siblings)
{
    bool above = false;
    for (const QWidget* sibling : siblings) {
        if (sibling == child) {
            above = true;
            continue;
        }
        if (above && !sibling->isHidden() && !sibling->testAttribute(Qt::WA_TransparentForMouseEvents)
            && sibling->geometry().contains(child->geometry()))
            return true;
    }
    return false;
}

// A window or a panel with only the children the player sees.
class ShownChildren : public QAccessibleWidget {
public:
    // `byHint`: named like the program's controls rather than as Qt names a widget.
    ShownChildren(QWidget* widget, QAccessible::Role role, bool byHint)
        : QAccessibleWidget(widget, role), byHint_(byHint)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        return byHint_ && kind == QAccessible::Name ? nameOf(widget()) : QAccessibleWidget::text(kind);
    }

    int childCount() const override { return int(shown().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                      : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(shown().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> shown() const
    {
        QList<QWidget*> siblings;
        for (QObject* object : widget()->children())
            if (auto* child = qobject_cast<QWidget*>(object); child && !child->isWindow())
                siblings << child;
        QList<QWidget*> children;
        for (QWidget* child : siblings)
            if (!child->isHidden() && !saysNothing(child) && !isCovered(child, siblings))
                children << child;
        return children;
    }

    bool byHint_;
};

// One of the program's flat controls: named by its caption or hint, and
// pressed as a click presses it.
class FlatAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? nameOf(widget()) : QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<FlatControl*>(widget())->click();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (qobject_cast<ProgramDialog*>(widget))
        return new ShownChildren(widget, QAccessible::Dialog, true);
    if (className == QLatin1String("LinkLabel"))
        return new FlatAccessible(widget, QAccessible::Link);
    if (className == QLatin1String("FlatButton") || className == QLatin1String("PictureButton"))
        return new FlatAccessible(widget, QAccessible::Button);
    if (className == QLatin1String("PositionCursor"))
        return new AccessiblePositions(widget);
    // Qt would show every child of a plain panel, hidden or covered.
    if (className == QLatin1String("QWidget"))
        return new ShownChildren(widget, QAccessible::Client, false);
    if (className == QLatin1String("QFrame"))
        return new ShownChildren(widget, QAccessible::Border, false);
    return nullptr;
}

} // namespace

void install()
{
    QAccessible::installFactory(interfaceFor);
}

QString positionName(int n, bool peg)
{
    const char* name = peg ? QT_TRANSLATE_NOOP("AccessibleNames", "Kámen, řada %1, sloupec %2")
                           : QT_TRANSLATE_NOOP("AccessibleNames", "Volný bod, řada %1, sloupec %2");
    return QCoreApplication::translate("AccessibleNames", name)
        .arg(pelikor::rowOf(n) + 1)
        .arg(pelikor::columnOf(n) + 1);
}

} // namespace AccessibleNames
