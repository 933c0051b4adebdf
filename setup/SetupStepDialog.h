#pragma once

#include "setup/SetupDialog.h"

// A dialog opened from the game-type chooser, which waits disabled beneath
// it: going back enables the chooser again, a started game closes the
// whole chain. The chooser is reached only through the two signals.
class SetupStepDialog : public SetupDialog {
    Q_OBJECT

public:
    using SetupDialog::SetupDialog;

signals:
    // The chooser is to be enabled again.
    void chooserEnabled();
    // The chooser is to be closed, which ends the chain.
    void chooserClosed();

protected:
    // Closes this dialog and leaves the chooser usable.
    void returnToChooser();
    // A game has started: this dialog closes, the chooser is enabled and closed.
    void closeChain();
};
