#include "scores/GiveUpQuestion.h"

GiveUpQuestion::GiveUpQuestion(Services& services)
    : QuestionBalloon(services, AssistantProtocol::Row::EndGame,
                      {.clientSize = {212, 99},
                       .raise = 20,
                       .question = QStringLiteral("Opravdu chcete ukončit tuto hru ?"),
                       .ruleWidth = 180,
                       .anoLeft = 26,
                       .neLeft = 98,
                       .anoHint = QStringLiteral("Ukončí aktuální hru"),
                       .neHint = QStringLiteral("Uzavře dialogové okno bez ukončení aktuální hry")})
{
    setObjectName(QStringLiteral("TDotazKonecDialog"));
}

void GiveUpQuestion::OfficeButton1Click()
{
    emit gameAbandoned();
    close();
}
