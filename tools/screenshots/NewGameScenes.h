#pragma once

class PelikorWindows;
class ScreenCamera;

// The new-game chain as a player opens it with the figure closed: the
// chooser, the standard dialog with a mark, the optional games' pictures.
void shootNewGameScenes(ScreenCamera& camera, PelikorWindows& windows);
