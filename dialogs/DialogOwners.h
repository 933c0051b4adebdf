#pragma once

#include "dialogs/AccessibleQuiet.h"
#include "dialogs/AssistantFigure.h"

#include <QPointer>
#include <QWidget>

// The two windows that every dialog of the program locks while it is open,
// so that no move and no other command can come between: the main window
// and the assistant figure. Either may be missing (the second copy of the
// program has no main window). When the lock ends, the control of the main
// window that had the keyboard has it again.
class DialogOwners {
public:
    QWidget* mainWindow() const { return mainWindow_; }
    void setMainWindow(QWidget* window) { mainWindow_ = window; }
    AssistantFigure* figure() const { return figure_; }
    void setFigure(AssistantFigure* figure) { figure_ = figure; }

    // The main window first, then the figure.
    void disable() { setEnabled(false); }
    // Unlocked, the main window takes the keys again: the dialogs belong to
    // no window, so no window manager gives them back to it.
    void enable()
    {
        setEnabled(true);
        if (mainWindow_ && mainWindow_->isVisible())
            mainWindow_->activateWindow();
    }

private:
    // Quiet to assistive technology, which would hear every control of the
    // two windows change; the dialog that locks them takes the focus. Only
    // the main window tells that it is usable again, since a reader that
    // keeps the states it was told would take it for locked.
    void setEnabled(bool enabled)
    {
        {
            AccessibleQuiet quiet;
            if (mainWindow_) {
                // Disabling takes the focus from the control that has it.
                if (!enabled && mainWindow_->isEnabled())
                    focusBeforeLock_ = mainWindow_->focusWidget();
                mainWindow_->setEnabled(enabled);
                if (enabled && focusBeforeLock_ && focusBeforeLock_->isVisible())
                    focusBeforeLock_->setFocus(Qt::OtherFocusReason);
            }
            if (figure_)
                figure_->setEnabled(enabled);
        }
        if (enabled && mainWindow_) {
            QAccessible::State changed;
            changed.disabled = true;
            QAccessibleStateChangeEvent unlocked(mainWindow_, changed);
            QAccessible::updateAccessibility(&unlocked);
        }
    }

    QPointer<QWidget> mainWindow_;
    QPointer<QWidget> focusBeforeLock_;
    QPointer<AssistantFigure> figure_;
};
