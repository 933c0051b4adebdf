#pragma once

#include <QString>

class QWidget;

// What the main window shows while no game runs, lowest in its client
// area: the program's name and version in a raised panel over the board
// picture, with a peg on each of its 33 positions. The board panel and the
// boss screen cover it; its widgets belong to `client`.
void createIdleScreen(QWidget* client, const QString& title);
