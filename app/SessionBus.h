#pragma once

// The first control a window shows has Qt's accessibility connect to the
// desktop's session bus, and the main thread waits for the connection
// after the splash's map request. Where no bus is named, libdbus forks the
// program to run dbus-launch, which looks for a bus on the display; where
// dbus-launch is nowhere on the PATH, that search cannot succeed and only
// holds the start back (10-30 ms). There libdbus is told at once that
// there is no bus. Only for the X window system; called before any other
// thread reads the environment.
void skipFutileSessionBusSearch();

enum class SessionBusReach {
    // Named by the desktop or in the user's runtime folder.
    AtHand,
    // Perhaps on the display, through dbus-launch.
    Launchable,
    // Nowhere.
    OutOfReach,
};

// Where libdbus would find the session bus, from the environment and the
// files it looks at.
SessionBusReach sessionBusReach();
