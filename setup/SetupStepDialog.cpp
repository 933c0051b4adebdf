#include "setup/SetupStepDialog.h"

void SetupStepDialog::returnToChooser()
{
    close();
    emit chooserEnabled();
}

void SetupStepDialog::closeChain()
{
    returnToChooser();
    emit chooserClosed();
}
