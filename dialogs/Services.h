#pragma once

#include <QString>

class AssistantProtocol;
class DialogOwners;
class ManualLauncher;
class Settings;
class SoundCues;

// What the windows of the program share, for one application folder: the
// settings file, the sound cues, the manual, the windows every dialog locks
// and the way balloons open beside the figure.
struct Services {
    QString applicationDir; // ends with "/"
    Settings& settings;
    SoundCues& cues;
    ManualLauncher& manual;
    DialogOwners& owners;
    AssistantProtocol& protocol;
};
