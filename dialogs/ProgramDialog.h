#pragma once

#include <QSize>
#include <QWidget>

class DialogOwners;

// Key codes as the dialogs' key handlers receive them.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;

// A dialog of the program: a borderless window on top of everything,
// created once and shown and closed any number of times, never modal. It
// locks the main window and the figure while it is open, runs its show
// steps only when it turns from hidden to visible, runs its close steps
// however it is closed, and hands its keys to one key handler.
class ProgramDialog : public QWidget {
    Q_OBJECT

public:
    // Whom the dialog locks: most lock the main window and the figure while
    // shown; a dialog opened from another may lock them on show and leave
    // the unlocking to its parent, or leave them alone.
    enum class OwnerLock { WhileShown, OnShow, None };

    ProgramDialog(DialogOwners& owners, QSize clientSize, OwnerLock lock = OwnerLock::WhileShown);

    // Shows the dialog and gives it the keyboard; a dialog shown already is
    // only brought to the front, its show steps do not run again.
    void showDialog();

    // Assistive technology hears of the window shown or hidden and of the
    // focus, not of each control it brings along.
    void setVisible(bool visible) override;

protected:
    // The show steps, when the dialog turns from hidden to visible.
    virtual void prepareToShow() {}
    // The close steps, however the dialog is closed.
    virtual void finishClosing() {}
    // A key pressed in the dialog: kKeyEnter, kKeyEscape, or the key's
    // own code for any other key.
    virtual void handleKey(int key) { Q_UNUSED(key); }

    // Hands Enter and Esc pressed in `control` to the key handler too, before
    // the control sees them.
    void passDialogKeys(QWidget* control);

    DialogOwners& owners() { return owners_; }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DialogOwners& owners_;
    OwnerLock lock_;
};
