#pragma once

class PelikorWindows;
class ScreenCamera;

// The main window and the shell's own windows: the figure with the welcome
// balloon at start, the idle screen, a menu with its hint, the boss screen,
// the help's topic list and a topic, the about box.
void shootShellScenes(ScreenCamera& camera, PelikorWindows& windows);

// A standard game freshly laid and in progress with a selected peg.
void shootBoardScenes(ScreenCamera& camera, PelikorWindows& windows);
