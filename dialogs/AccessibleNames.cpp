#include "dialogs/AccessibleNames.h"

#include "dialogs/AccessibleFocus.h"
#include "dialogs/AccessiblePositions.h"
#include "dialogs/ProgramDialog.h"
#include "game/core/Positions.h"
#include "widgets/FlatButton.h"
#include "widgets/FlatControl.h"
#include "widgets/HemisphereButton.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/ShapedPicture.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

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

// The caption a label of a count is read out with, where one names it.
const QLabel* countCaption(const QLabel* value)
{
    for (const QObject* sibling : value->parent()->children())
        if (auto* caption = qobject_cast<const QLabel*>(sibling); caption && caption->buddy() == value)
            return caption;
    return nullptr;
}

// Whether a child says nothing to the player of its own: a peg or a hole,
// a picture without a name, or a caption read out with its count.
bool saysNothing(const QWidget* child)
{
    if (qobject_cast<const HemisphereButton*>(child) || child->inherits("HoleShape"))
        return true;
    const auto* label = qobject_cast<const QLabel*>(child);
    return label
        && ((label->text().isEmpty() && label->accessibleName().isEmpty()) || qobject_cast<QLabel*>(label->buddy()));
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

// A count read out after its caption, "Počet zbylých kamenů: 1", so that the
// player never hears a number alone.
class CaptionedCount : public QAccessibleWidget {
public:
    CaptionedCount(QLabel* count, const QLabel* caption)
        : QAccessibleWidget(count, QAccessible::StaticText), caption_(caption)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !caption_)
            return QAccessibleWidget::text(kind);
        const QString caption = caption_->text().remove(QLatin1Char(':')).simplified();
        return QStringLiteral("%1: %2").arg(caption, static_cast<QLabel*>(widget())->text());
    }

private:
    QPointer<const QLabel> caption_;
};

// The figure: pressed, it does what a double-click on it does.
class FigureAccessible : public QAccessibleWidget {
public:
    explicit FigureAccessible(QWidget* picture) : QAccessibleWidget(picture, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? nameOf(widget()) : QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            emit static_cast<ShapedPicture*>(widget())->doubleClicked();
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
    if (className == QLatin1String("ShapedPicture"))
        return new FigureAccessible(widget);
    if (auto* label = qobject_cast<QLabel*>(widget))
        if (const QLabel* caption = countCaption(label))
            return new CaptionedCount(label, caption);
    // Qt would show every child of a plain panel, hidden or covered.
    if (className == QLatin1String("QWidget"))
        return new ShownChildren(widget, QAccessible::Client, false);
    if (className == QLatin1String("QFrame"))
        return new ShownChildren(widget, QAccessible::Border, false);
    return nullptr;
}

// A text a screen reader says, in the program's language.
QString translated(const char* source)
{
    return QCoreApplication::translate("AccessibleNames", source);
}

// Position n's row and column, counted from 1, in a text with two places.
QString placed(const QString& text, int n)
{
    return text.arg(pelikor::rowOf(n) + 1).arg(pelikor::columnOf(n) + 1);
}

} // namespace

void install()
{
    QAccessible::installFactory(interfaceFor);
    AccessibleFocus::install();
}

QString positionName(int n, bool peg)
{
    return placed(peg ? translated(QT_TRANSLATE_NOOP("AccessibleNames", "Kámen, řada %1, sloupec %2"))
                      : translated(QT_TRANSLATE_NOOP("AccessibleNames", "Volný bod, řada %1, sloupec %2")),
                  n);
}

QString selectionMade(int n)
{
    return placed(translated(QT_TRANSLATE_NOOP("AccessibleNames", "Vybrán kámen, řada %1, sloupec %2")), n);
}

QString jumpMade(int from, int to, int remaining)
{
    const int over = pelikor::positionAt((pelikor::rowOf(from) + pelikor::rowOf(to)) / 2,
                                         (pelikor::columnOf(from) + pelikor::columnOf(to)) / 2);
    const QString told = translated(QT_TRANSLATE_NOOP("AccessibleNames", "Skok z řady %1, sloupce %2 přes řadu %3, "
                                                                          "sloupec %4 na řadu %5, sloupec %6. "
                                                                          "Zbylé kameny: %7"));
    return placed(placed(placed(told, from), over), to).arg(remaining);
}

QString jumpRefused(int t)
{
    return placed(translated(QT_TRANSLATE_NOOP("AccessibleNames", "Skok na řadu %1, sloupec %2 není možný")), t);
}

} // namespace AccessibleNames
