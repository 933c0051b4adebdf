#pragma once

class PelikorWindows;
class ScreenCamera;

// Pictures of a game's end: the congratulation, the result dialog offering
// the name field, the question before giving up, the best table on two of
// its tabs and the question before clearing it. The main window is shown
// and idle; two results are stored in its best table.
void shootEndOfGame(ScreenCamera& camera, PelikorWindows& windows);
