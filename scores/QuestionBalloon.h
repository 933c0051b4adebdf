#pragma once

#include "dialogs/AssistantProtocol.h"
#include "dialogs/BalloonDialog.h"

struct Services;

// A question the figure asks in a balloon to its left: the warning sign,
// the program's name, the question, and the answers "Ano" and "Ne". Enter
// answers "Ano", Esc answers "Ne", other keys do nothing.
class QuestionBalloon : public BalloonDialog {
    Q_OBJECT

public:
    // What sets one question apart from another.
    struct Layout {
        QSize clientSize;
        // How far every element stands above its place in the tallest question.
        int raise;
        QString question;
        int ruleWidth;
        int yesLeft;
        int noLeft;
        QString yesHint;
        QString noHint;
    };

    QuestionBalloon(Services& services, AssistantProtocol::Row row, const Layout& layout);

    // Opens the question beside the figure by its row of the protocol.
    void open();

    // "Ano": the question's own action, then the question closes.
    virtual void answerYes() = 0;
    // "Ne": the question closes and nothing changes.
    void answerNo();

protected:
    void prepareToShow() override;
    void handleKey(int key) override;

private:
    Services& services_;
    AssistantProtocol::Row row_;
};
