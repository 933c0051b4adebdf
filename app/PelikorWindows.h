#pragma once

#include <QString>

#include <memory>

class CuePlayer;
class Settings;
class SoundCues;
class THlavniDialog;

// Owns every window of the program, created once at start in a fixed order
// and kept until the end, and the services they share: the settings file
// and the sound cues of one application folder.
class PelikorWindows {
public:
    // `applicationDir` ends with "/"; `player` plays the cue files.
    PelikorWindows(const QString& applicationDir, std::unique_ptr<CuePlayer> player);
    ~PelikorWindows();

    THlavniDialog& HlavniDialog() { return *hlavniDialog_; }

    // Shows the main window, the program's main form.
    void show();

private:
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<SoundCues> cues_;
    std::unique_ptr<THlavniDialog> hlavniDialog_;
};
