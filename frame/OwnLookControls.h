#pragma once

#include <QMenu>
#include <QMenuBar>
#include <QStyleOption>
#include <QToolButton>

// The main window's menu bar and toolbar buttons look disabled only when
// they are disabled themselves: the window locked while a dialog is open
// keeps its look, as it always did.

class ToolbarButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void initStyleOption(QStyleOptionToolButton* option) const override
    {
        QToolButton::initStyleOption(option);
        if (isEnabledTo(window())) {
            option->state |= QStyle::State_Enabled;
            option->palette.setCurrentColorGroup(QPalette::Active);
        }
    }
};

class MainMenuBar : public QMenuBar {
public:
    using QMenuBar::QMenuBar;

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override
    {
        QMenuBar::initStyleOption(option, action);
        // A submenu follows its window's state; only its own counts here.
        const bool enabled = action->menu() ? action->menu()->isEnabledTo(window()) : action->isEnabled();
        if (enabled && isEnabledTo(window())) {
            option->state |= QStyle::State_Enabled;
            option->palette.setCurrentColorGroup(QPalette::Active);
        }
    }
};
