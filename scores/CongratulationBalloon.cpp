#include "scores/CongratulationBalloon.h"

#include "dialogs/AssistantProtocol.h"
#include "dialogs/DialogControls.h"
#include "dialogs/Services.h"
#include "services/SoundCues.h"
#include "widgets/FlatButton.h"

using namespace DialogControls;

namespace {

constexpr QSize kClientSize(252, 183);

} // namespace

CongratulationBalloon::CongratulationBalloon(Services& services)
    : BalloonDialog(services.owners, kClientSize, BalloonTail::BottomRight), services_(services)
{
    setObjectName(QStringLiteral("CongratulationBalloon"));
    setStatusTip(tr("Výsledek aktuální hry"));

    label(this, "titleLabel", tr("Gratuluji"), {27, 6, 189, 19}, Bold | Centred | Wrapped);
    label(this, "achievementLabel",
          tr("Právě jste dosáhl(a) nejnižšího počtu zbylých hracích kamenů, přičemž jedinný zbylý hrací "
             "kámen je umístěn ve středu hracího pole."),
          {10, 22, 222, 67}, Centred | Wrapped);
    label(this, "praiseLabel",
          tr("Pokud jste hrál(a) standardní typ hry, při které je použit nejvyžší stupeň obtížnosti, tak "
             "jste génius a zasloužíte obdiv."),
          {10, 86, 222, 51}, Centred | Wrapped);
    rule(this, "rule", {9, 138}, 225);
    connect(button(this, "okButton", tr("Ok"), tr("Uzavře dialogové okno"), {90, 143}),
            &FlatButton::clicked, this, &CongratulationBalloon::acknowledge);
}

void CongratulationBalloon::prepareToShow()
{
    services_.cues.play(pelikor::SoundCue::Dialog);
    services_.protocol.place(AssistantProtocol::Row::Result, *this);
    setFocus();
}

void CongratulationBalloon::acknowledge()
{
    close();
    emit resultRequested();
}

void CongratulationBalloon::handleKey(int key)
{
    if (key == kKeyEnter || key == kKeyEscape)
        acknowledge();
}
