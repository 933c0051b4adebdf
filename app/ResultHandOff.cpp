#include "app/ResultHandOff.h"

#include "dialogs/AssistantProtocol.h"
#include "frame/THlavniDialog.h"
#include "game/BoardPanel.h"
#include "scores/TGratulujiDialog.h"
#include "scores/TVysledekDialog.h"

#include <QLabel>

ResultHandOff::ResultHandOff(THlavniDialog& main, TVysledekDialog& vysledek, TGratulujiDialog& gratuluji,
                             AssistantProtocol& protocol)
    : main_(main), vysledek_(vysledek), gratuluji_(gratuluji), protocol_(protocol)
{
}

void ResultHandOff::GameFinished(pelikor::Outcome outcome, const QString& pomocnik)
{
    // The result dialog returns the main window to idle before it stores;
    // when the store fails the dialog stays open for another try, and the
    // ticks until then must not hand the idle count "0" over as the result.
    if (!main_.gameRunning())
        return;
    const bool perfect = outcome == pelikor::Outcome::PerfectFinish;
    if (perfect)
        main_.Plocha().refill();
    // The copies land in hidden labels; nothing reads them before the
    // dialog shows, so they are made before the protocol's steps.
    vysledek_.Kontrola().setText(main_.gameCode());
    vysledek_.Label7().setText(main_.remainingText());
    if (perfect) {
        gratuluji_.Kontrola().setText(main_.gameCode());
        protocol_.open(AssistantProtocol::Row::Result, gratuluji_, pomocnik);
    } else {
        protocol_.open(AssistantProtocol::Row::Result, vysledek_, pomocnik);
    }
}
