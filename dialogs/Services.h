#pragma once

class AssistantProtocol;
class DialogOwners;
class ManualLauncher;
class Settings;
class SoundCues;

// What the windows of the program share: the settings file, the sound
// cues, the manual, the windows every dialog locks and the way balloons
// open beside the figure.
struct Services {
    Settings& settings;
    SoundCues& cues;
    ManualLauncher& manual;
    DialogOwners& owners;
    AssistantProtocol& protocol;
};
