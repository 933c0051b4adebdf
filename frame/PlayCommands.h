#pragma once

#include "frame/PlayAids.h"

class QMenu;
class QMenuBar;
class QWidget;

// Makes the aids' commands and puts them wherever a player reaches
// commands: the menu "&Tahy" between "&Soubor" and "&Nástroje", the end of
// the pop-up menu, and the board, where a screen reader finds them among
// its actions. Each command triggers its handler in `aids`.
PlayAids::Commands addPlayCommands(PlayAids& aids, QMenuBar& menuBar, QMenu& popup, QWidget& board);
