#pragma once

#include "scores/QuestionBalloon.h"

class BestTableModule;

// The question before the best table is cleared: "Ano" resets it to its
// empty template, "Ne" leaves it as it is.
class ClearTableQuestion : public QuestionBalloon {
    Q_OBJECT

public:
    ClearTableQuestion(Services& services, BestTableModule& bestTable);

    void answerYes() override;

private:
    BestTableModule& bestTable_;
};
