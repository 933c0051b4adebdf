#pragma once

#include <QString>

class GradientText;
class QFrame;
class QLabel;
class QWidget;

// What the main window shows while no game runs, lowest in its client
// area: the program's name and version in a raised panel over the board
// picture, with a peg on each of its 33 positions. The board panel and the
// boss screen cover it.
class IdleScreen {
public:
    IdleScreen(QWidget* client, const QString& title);

private:
    void createTitlePanel(QWidget* client, const QString& title);
    void createBoard(QWidget* client);

    QFrame* titlePanel_ = nullptr;
    GradientText* nameTitle_ = nullptr;
    GradientText* versionTitle_ = nullptr;
    QLabel* board_ = nullptr;
};
