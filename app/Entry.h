#pragma once

#include "services/AppFolders.h"

// The program places its own windows on the screen, which Wayland allows
// no program: where an X display is at hand (XWayland) and the user chose
// no platform, the program runs on X. Called before the application
// object exists.
void chooseWindowSystem();

// The program on its folders, once the application object exists: only
// the warning when a copy runs already, else the whole start. Of starts
// made in the same instant exactly one starts in full: the others wait
// until its main window answers and then only warn. Returns the exit
// status.
int runProgram(const AppFolders& folders);
