#include "setup/SetupDialog.h"

#include "dialogs/AssistantProtocol.h"
#include "dialogs/DialogControls.h"
#include "dialogs/Services.h"

SetupDialog::SetupDialog(Services& services, QSize clientSize, const char* name, const QString& hint, OwnerLock lock)
    : BalloonDialog(services.owners, clientSize, BalloonTail::BottomRight, lock), services_(services)
{
    setObjectName(QLatin1String(name));
    setStatusTip(hint);
}

void SetupDialog::placeBesideFigure()
{
    services_.protocol.place(AssistantProtocol::Row::GameChooser, *this);
}

FlatButton* SetupDialog::makeBackButton(QPoint at)
{
    return DialogControls::button(this, "backButton", tr("Zpět"), tr("Uzavře dialogové okno"),
                                  at);
}
