#include "scores/ClearTableQuestion.h"

#include "scores/BestTableModule.h"

ClearTableQuestion::ClearTableQuestion(Services& services, BestTableModule& bestTable)
    : QuestionBalloon(services, AssistantProtocol::Row::ClearTable,
                      {.clientSize = {272, 98},
                       .raise = 0,
                       .question = tr("Opravdu chcete vymazat tabulku nejlepších ?"),
                       .ruleWidth = 244,
                       .yesLeft = 60,
                       .noLeft = 132,
                       .yesHint = tr("Vymaže tabulku nejlepšíchi a uzavře dialogové okno"),
                       .noHint = tr("Uzavře dialogové okno bez vymazání tabulky nejlepších")}),
      bestTable_(bestTable)
{
    setObjectName(QStringLiteral("ClearTableQuestion"));
}

// A template that is missing or unfit is reported; the live table stays as
// it was and the question stays open.
void ClearTableQuestion::answerYes()
{
    if (bestTable_.resetFromTemplate())
        close();
}
