#include "dialogs/ProgramDialog.h"

#include "dialogs/AccessibleQuiet.h"
#include "dialogs/DialogOwners.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

namespace {

int keyCode(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyEnter;
    case Qt::Key_Escape:
        return kKeyEscape;
    default:
        return event->key();
    }
}

bool isDialogKey(int code)
{
    return code == kKeyEnter || code == kKeyEscape;
}

} // namespace

ProgramDialog::ProgramDialog(DialogOwners& owners, QSize clientSize, OwnerLock lock)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), owners_(owners), lock_(lock)
{
    setFixedSize(clientSize);
}

void ProgramDialog::showDialog()
{
    // A dialog shown already only comes to the front: the monitor repeats
    // its hand-off every millisecond while the result is open, and taking
    // the keyboard each time would take it from wherever the player is.
    const bool turnsVisible = isHidden();
    show();
    raise();
    if (turnsVisible)
        activateWindow();
}

void ProgramDialog::setVisible(bool visible)
{
    AccessibleQuiet quiet(this);
    QWidget::setVisible(visible);
}

void ProgramDialog::passDialogKeys(QWidget* control)
{
    control->installEventFilter(this);
}

void ProgramDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window that comes back from the task bar is no new showing.
    if (event->spontaneous())
        return;
    if (lock_ != OwnerLock::None)
        owners_.disable();
    prepareToShow();
}

void ProgramDialog::closeEvent(QCloseEvent* event)
{
    // Closing a dialog that is not open is nothing to react to.
    if (!isVisible()) {
        event->accept();
        return;
    }
    finishClosing();
    if (lock_ == OwnerLock::WhileShown)
        owners_.enable();
    event->accept();
}

void ProgramDialog::keyPressEvent(QKeyEvent* event)
{
    handleKey(keyCode(event));
}

bool ProgramDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int code = keyCode(static_cast<QKeyEvent*>(event));
        if (isDialogKey(code)) {
            handleKey(code);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
