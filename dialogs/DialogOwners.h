#pragma once

#include "dialogs/AssistantFigure.h"

#include <QPointer>
#include <QWidget>

// The two windows that every dialog of the program locks while it is open,
// so that no move and no other command can come between: the main window
// and the assistant figure. Either may be missing (the second copy of the
// program has no main window).
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
    void setEnabled(bool enabled)
    {
        if (mainWindow_)
            mainWindow_->setEnabled(enabled);
        if (figure_)
            figure_->setEnabled(enabled);
    }

    QPointer<QWidget> mainWindow_;
    QPointer<AssistantFigure> figure_;
};
