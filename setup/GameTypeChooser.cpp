#include "setup/GameTypeChooser.h"

#include "dialogs/AssistantProtocol.h"
#include "dialogs/DialogControls.h"
#include "dialogs/DialogOwners.h"
#include "dialogs/Services.h"
#include "services/SoundCues.h"
#include "widgets/FlatButton.h"
#include "widgets/LinkLabel.h"

using namespace DialogControls;

GameTypeChooser::GameTypeChooser(Services& services)
    : SetupDialog(services, kClientSize, "GameTypeChooser", tr("Dialog pro výběr hry"), OwnerLock::None)
{
    label(this, "titleLabel", tr("Vyberte si typ hry"), QRect(20, 5, 111, 20), Bold | Centred);
    LinkLabel* standard =
        link(this, "standardLink", tr("Standardní hra"), tr("Spustí standardní hru"),
             {11, 32, 129, 17});
    connect(standard, &LinkLabel::clicked, this, &GameTypeChooser::chooseStandardGame);
    standardLink_ = standard;
    LinkLabel* optional = link(this, "optionalLink", tr("Volitelná hra"),
                               tr("Otevře dialog pro výběr volitelné hry"), {11, 48, 130, 17});
    connect(optional, &LinkLabel::clicked, this, &GameTypeChooser::chooseOptionalGame);
    optionalLink_ = optional;
    rule(this, "rule", {7, 68}, 138);
    connect(makeBackButton({44, 74}), &FlatButton::clicked, this, &GameTypeChooser::goBack);
}

void GameTypeChooser::openForNewGame()
{
    services().protocol.open(AssistantProtocol::Row::GameChooser, *this);
}

void GameTypeChooser::enableAgain()
{
    setEnabled(true);
    if (chosen_)
        chosen_->setFocus(Qt::OtherFocusReason);
    activateWindow();
}

// The chooser locks the owners itself, after its cue, and unlocks them
// however it closes.
void GameTypeChooser::prepareToShow()
{
    services().cues.play(pelikor::SoundCue::Dialog);
    owners().disable();
    placeBesideFigure();
}

void GameTypeChooser::finishClosing()
{
    owners().enable();
}

// The chooser stays on screen beneath the dialog of the choice.
void GameTypeChooser::leaveFor(QWidget* choice)
{
    chosen_ = choice;
    setEnabled(false);
}

void GameTypeChooser::chooseStandardGame()
{
    leaveFor(standardLink_);
    emit standardGameChosen();
}

void GameTypeChooser::chooseOptionalGame()
{
    leaveFor(optionalLink_);
    emit optionalGameChosen();
}

void GameTypeChooser::goBack()
{
    close();
}

void GameTypeChooser::handleKey(int key)
{
    if (key == kKeyEscape || key == kKeyEnter)
        close();
}
