#include "scores/GiveUpQuestion.h"

GiveUpQuestion::GiveUpQuestion(Services& services)
    : QuestionBalloon(services, AssistantProtocol::Row::EndGame,
                      {.clientSize = {212, 99},
                       .raise = 20,
                       .question = tr("Opravdu chcete ukončit tuto hru ?"),
                       .ruleWidth = 180,
                       .yesLeft = 26,
                       .noLeft = 98,
                       .yesHint = tr("Ukončí aktuální hru"),
                       .noHint = tr("Uzavře dialogové okno bez ukončení aktuální hry")})
{
    setObjectName(QStringLiteral("GiveUpQuestion"));
}

void GiveUpQuestion::answerYes()
{
    emit gameAbandoned();
    close();
}
