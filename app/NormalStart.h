#pragma once


#include <functional>
#include <memory>

class AppFolders;
class PelikorWindows;
class Splash;

// Creates every window of the program and tells the splash the meter's
// value after each step of it.
using WindowsFactory = std::function<std::unique_ptr<PelikorWindows>(Splash& splash)>;

// The exit status of a start that could not create its windows.
inline constexpr int kStartFailed = 1;

// The start of the only copy: the splash with its meter while
// `createWindows` runs, the main window published for the search of later
// starts, the splash freed, then the event loop until the main window
// closes. A failure to create the windows (the best table that does not
// open) is reported in a message box and ends the start with kStartFailed
// before any window but the splash has shown. `answering` is called once
// the main window answers the search of later starts, in the event loop's
// first turn, or once the start has failed.
int runNormalStart(const WindowsFactory& createWindows, const std::function<void()>& answering = {});

// The program's windows on its folders with the sound cues played, as the
// entry creates them: the main window shown as soon as it exists, the
// windows after it made behind the meter before any event is handled. An
// installed program first lays out the files of a player who starts it
// for the first time.
std::unique_ptr<PelikorWindows> createProgramWindows(const AppFolders& folders, Splash& splash);
