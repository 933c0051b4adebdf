#include "app/ResultHandOff.h"

#include "dialogs/AssistantProtocol.h"
#include "frame/THlavniDialog.h"
#include "game/BoardPanel.h"
#include "scores/TGratulujiDialog.h"
#include "scores/TVysledekDialog.h"

ResultHandOff::ResultHandOff(THlavniDialog& main, TVysledekDialog& vysledek, TGratulujiDialog& gratuluji,
                             AssistantProtocol& protocol)
    : main_(main), vysledek_(vysledek), gratuluji_(gratuluji), protocol_(protocol)
{
}

void ResultHandOff::GameFinished(pelikor::Outcome outcome, const QString& pomocnik)
{
    // The result dialog returns the main window to idle before it stores;
    // when the store fails the dialog stays open for another try, and the
    // ticks until then must not hand the idle game over as the result.
    if (!main_.gameRunning())
        return;
    const pelikor::GameResult result = main_.gameResult();
    if (outcome == pelikor::Outcome::PerfectFinish) {
        main_.Plocha().refill();
        // The congratulation leads on to the result dialog, which is filled
        // now so that it is ready then.
        protocol_.open(AssistantProtocol::Row::Result, gratuluji_, pomocnik, [&] {
            vysledek_.setResult(result);
            gratuluji_.setResult(result);
        });
        return;
    }
    protocol_.open(AssistantProtocol::Row::Result, vysledek_, pomocnik, [&] { vysledek_.setResult(result); });
}
