#include "widgets/ProgramStyle.h"

#include "widgets/DeferredIcon.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// Whether what is drawn for `widget` is disabled only through its window.
bool lockedOnly(const QWidget* widget)
{
    return widget && !widget->isEnabled() && ProgramStyle::looksEnabled(widget);
}

// A menu bar's item counts for itself: its command's state, or its menu's
// own, since a menu follows its window's.
bool menuBarItemLooksEnabled(const QWidget* widget, const QRect& item)
{
    const auto* bar = qobject_cast<const QMenuBar*>(widget);
    const QAction* action = bar ? bar->actionAt(item.center()) : nullptr;
    if (!action)
        return false;
    return action->menu() ? ProgramStyle::looksEnabled(action->menu()) : action->isEnabled();
}

} // namespace

void ProgramStyle::install()
{
    if (!qobject_cast<ProgramStyle*>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle(QStyleFactory::create(QApplication::style()->name())));
}

bool ProgramStyle::looksEnabled(const QWidget* control)
{
    return control->isEnabledTo(control->window());
}

template <typename Draw> void ProgramStyle::drawUnlocked(const QStyleOption* option, bool unlock, Draw draw) const
{
    if (drawing_) {
        draw();
        return;
    }
    drawing_ = true;
    const auto done = qScopeGuard([this] { drawing_ = false; });
    if (!unlock) {
        draw();
        return;
    }
    // A control fills its option for each drawing; it is lent here and
    // given back as it came.
    auto* lent = const_cast<QStyleOption*>(option);
    const State state = lent->state;
    const QPalette palette = lent->palette;
    lent->state |= State_Enabled;
    lent->palette.setCurrentColorGroup(QPalette::Active);
    draw();
    lent->state = state;
    lent->palette = palette;
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    drawUnlocked(option, option && lockedOnly(widget),
                 [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    const bool unlock = option && lockedOnly(widget)
        && (element != CE_MenuBarItem || menuBarItemLooksEnabled(widget, option->rect));
    drawUnlocked(option, unlock, [&] { QProxyStyle::drawControl(element, option, painter, widget); });
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const
{
    drawUnlocked(option, option && lockedOnly(widget),
                 [&] { QProxyStyle::drawComplexControl(control, option, painter, widget); });
}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    if (hint == SH_Menu_AllowActiveAndDisabled)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

// Only an icon asked for without an option can wait: an option lives no
// longer than the call.
QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    const QPointer<const QWidget> asking(widget);
    const QPointer<const ProgramStyle> style(this);
    return QIcon(new DeferredIcon([style, icon, asking] {
        return style ? style->QProxyStyle::standardIcon(icon, nullptr, asking.data()) : QIcon();
    }));
}
