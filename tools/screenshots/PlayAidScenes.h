#pragma once

class PelikorWindows;
class ScreenCamera;

// Pictures of the play aids: a hint marked on the board with its message in
// the status bar, and the result of a game the hint helped, which offers no
// name field. Taken after the end-of-game and keyboard pictures, which they
// must differ from; the main window is shown and idle.
void shootPlayAids(ScreenCamera& camera, PelikorWindows& windows);
