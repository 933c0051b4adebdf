#pragma once

#include <QString>

// Lets assistive technology know the program's own controls: the links and
// buttons by their roles, each named in Czech after its caption, or after
// its hint where it has none, pressed as a click presses them; the dialogs
// named after their hints; a board's positions as buttons (see
// AccessiblePositions). A window or panel shows only what the player sees
// of it: no hidden or covered part, no peg or hole of its own (the
// positions stand for those of the boards, the others are decoration) and
// no picture that says nothing. A name given by hand comes first. Qt's own
// controls name themselves after their text. Installed once per program.
namespace AccessibleNames {

void install();

// The name of board position n: what it holds (a peg, or an empty hole)
// and where, by row and column counted from 1 at the top left.
QString positionName(int n, bool peg);

// What a move on a board did, as the player hears it: the peg at n
// selected; the jump from `from` into `to` made, with the pegs left; no
// jump into t possible.
QString selectionMade(int n);
QString jumpMade(int from, int to, int remaining);
QString jumpRefused(int t);

} // namespace AccessibleNames
