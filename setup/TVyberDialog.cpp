#include "setup/TVyberDialog.h"

#include "dialogs/AssistantProtocol.h"
#include "dialogs/DialogControls.h"
#include "dialogs/DialogOwners.h"
#include "dialogs/Services.h"
#include "services/SoundCues.h"
#include "widgets/TOfficeButton.h"
#include "widgets/TOfficeLabel.h"

using namespace DialogControls;

TVyberDialog::TVyberDialog(Services& services)
    : SetupDialog(services, kClientSize, "TVyberDialog", QStringLiteral("Dialog pro výběr hry"), OwnerLock::None)
{
    label(this, "Label1", QStringLiteral("Vyberte si typ hry"), QRect(20, 5, 111, 20), Bold | Centred);
    connect(link(this, "OfficeLabel1", QStringLiteral("Standardní hra"), QStringLiteral("Spustí standardní hru"),
                 {11, 32, 129, 17}),
            &TOfficeLabel::clicked, this, &TVyberDialog::OfficeLabel1Click);
    connect(link(this, "OfficeLabel2", QStringLiteral("Volitelná hra"),
                 QStringLiteral("Otevře dialog pro výběr volitelné hry"), {11, 48, 130, 17}),
            &TOfficeLabel::clicked, this, &TVyberDialog::OfficeLabel2Click);
    rule(this, "Bevel1", {7, 68}, 138);
    connect(makeBackButton({44, 74}), &TOfficeButton::clicked, this, &TVyberDialog::OfficeButton1Click);
}

void TVyberDialog::openForNewGame()
{
    services().protocol.open(AssistantProtocol::Row::GameChooser, *this);
}

void TVyberDialog::enableAgain()
{
    setEnabled(true);
    activateWindow();
}

// The chooser locks the owners itself, after its cue, and unlocks them
// however it closes.
void TVyberDialog::FormShow()
{
    services().cues.PlayCue(pelikor::SoundCue::Dialog);
    owners().disable();
    placeBesideFigure();
}

void TVyberDialog::FormClose()
{
    owners().enable();
}

// The chooser stays on screen beneath the dialog of the choice.
void TVyberDialog::OfficeLabel1Click()
{
    setEnabled(false);
    emit standardGameChosen();
}

void TVyberDialog::OfficeLabel2Click()
{
    setEnabled(false);
    emit optionalGameChosen();
}

void TVyberDialog::OfficeButton1Click()
{
    close();
}

void TVyberDialog::FormKeyDown(int key)
{
    if (key == kKeyEscape || key == kKeyEnter)
        close();
}
