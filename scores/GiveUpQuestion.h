#pragma once

#include "scores/QuestionBalloon.h"

// The question before a game is given up: "Ano" drops the game unjudged,
// "Ne" lets it go on.
class GiveUpQuestion : public QuestionBalloon {
    Q_OBJECT

public:
    explicit GiveUpQuestion(Services& services);

    void answerYes() override;

signals:
    // The player gave the game up; the main window drops it.
    void gameAbandoned();
};
