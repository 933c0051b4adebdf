#pragma once

#include "game/core/Jumps.h"

#include <QString>

// What the player reads and a screen reader hears of the hint and the way
// to the best finish, in the program's language. The status bar's texts fit its first panel.
namespace PlayTexts {

// A count of pegs or of moves with its noun in the plural form Czech asks
// for: 1 kámen, 2 až 4 kameny, 0 and 5 or more kamenů; a translation
// gives each of the three forms its own word.
QString pegs(int count);
QString moves(int count);

// The hint for the status bar: the best finish from here, or, when it no
// longer reaches the best finish the game started with, that it is lost.
QString hint(int bestFinish, int gameBestFinish);
// The hint in full, the jump told by rows and columns as a screen reader
// names the positions.
QString spokenHint(const pelikor::Jump& jump, int bestFinish, int gameBestFinish);
// The way to the best finish, as it starts.
QString way(int moves, int bestFinish);

} // namespace PlayTexts
