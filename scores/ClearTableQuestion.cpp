#include "scores/ClearTableQuestion.h"

#include "scores/BestTableModule.h"

ClearTableQuestion::ClearTableQuestion(Services& services, BestTableModule& dataModule)
    : QuestionBalloon(services, AssistantProtocol::Row::ClearTable,
                      {.clientSize = {272, 98},
                       .raise = 0,
                       .question = QStringLiteral("Opravdu chcete vymazat tabulku nejlepších ?"),
                       .ruleWidth = 244,
                       .anoLeft = 60,
                       .neLeft = 132,
                       .anoHint = QStringLiteral("Vymaže tabulku nejlepšíchi a uzavře dialogové okno"),
                       .neHint = QStringLiteral("Uzavře dialogové okno bez vymazání tabulky nejlepších")}),
      dataModule_(dataModule)
{
    setObjectName(QStringLiteral("TVymazatDialog"));
}

// A template that is missing or unfit is reported by the general error
// report; the live table stays as it was and the question stays open.
void ClearTableQuestion::OfficeButton1Click()
{
    dataModule_.resetFromTemplate();
    close();
}
