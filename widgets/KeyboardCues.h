#pragma once

// Whether the player is using the keyboard. Focus marks are drawn from the
// first key pressed until a mouse button is pressed, so that a player who
// plays by the mouse sees the windows exactly as they always were, and one
// who plays by the keys always sees where the keys go. Qt's own controls
// learn it through their windows' keyboard-focus-change attribute.
namespace KeyboardCues {

// Starts following the player's input; once, however often it is asked.
void follow();

bool shown();

} // namespace KeyboardCues
