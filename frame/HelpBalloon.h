#pragma once

#include "dialogs/BalloonDialog.h"

class QFrame;
class QLabel;
struct Services;

// The help balloon: a list of seven topics, and each topic's title, text
// and additional information.
class HelpBalloon : public BalloonDialog {
    Q_OBJECT

public:
    explicit HelpBalloon(Services& services);

    // Opens the help on its topic list beside the figure, as the help
    // command and the welcome dialog's help link do.
    void openOnTopicList();

    // The topic about the electronic manual is offered only while there is
    // a manual to open.
    void setManualAvailable(bool available);

    // Shows the topic of the list's link `index` (0..6, top to bottom).
    void showTopic(int index);
    // The list of topics in place of the topic shown.
    void showTopicList();
    void leaveHelp();

protected:
    void handleKey(int key) override;

private:
    void placeTopicTexts();

    Services& services_;
    QLabel* titleLabel_ = nullptr;
    QLabel* textLabel_ = nullptr;
    QFrame* textRule_ = nullptr;
    QLabel* informationTitle_ = nullptr;
    QLabel* informationLabel_ = nullptr;
    QWidget* topicList_ = nullptr;
};
