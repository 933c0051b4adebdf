#pragma once

#include "AssistantProtocol.h"
#include "DialogOwners.h"
#include "ManualLauncher.h"
#include "Services.h"
#include "Settings.h"
#include "SoundCues.h"

#include <QString>

#include <memory>

class CuePlayer;
class THlavniDialog;
class THraDialog;
class TNapovedaDialog;
class TOProgramuDialog;
class TPomocnikDialog;
class TStandardDialog;
class TUvitaniDialog;
class TVyberDialog;

// Owns every window of the program, created once at start in a fixed order
// and kept until the end, the services they share, and the connections
// by which one window opens another.
class PelikorWindows {
public:
    // `applicationDir` ends with "/"; `player` plays the cue files.
    PelikorWindows(const QString& applicationDir, std::unique_ptr<CuePlayer> player);
    ~PelikorWindows();

    Services& services() { return services_; }
    THlavniDialog& HlavniDialog() { return *hlavniDialog_; }
    TUvitaniDialog& UvitaniDialog() { return *uvitaniDialog_; }
    TOProgramuDialog& OProgramuDialog() { return *oProgramuDialog_; }
    TPomocnikDialog& PomocnikDialog() { return *pomocnikDialog_; }
    TNapovedaDialog& NapovedaDialog() { return *napovedaDialog_; }

    // The new-game chain.
    TVyberDialog& VyberDialog() { return *vyberDialog_; }
    TStandardDialog& StandardDialog() { return *standardDialog_; }
    THraDialog& HraDialog() { return *hraDialog_; }

    // Shows the main window, the program's main form.
    void show();

private:
    void connectWindows();
    // The new-game command, the chooser and the dialogs of its two choices.
    void connectNewGame();

    Settings settings_;
    SoundCues cues_;
    ManualLauncher manual_;
    DialogOwners owners_;
    AssistantProtocol protocol_;
    Services services_;

    std::unique_ptr<THlavniDialog> hlavniDialog_;
    std::unique_ptr<TUvitaniDialog> uvitaniDialog_;
    std::unique_ptr<TOProgramuDialog> oProgramuDialog_;
    std::unique_ptr<TPomocnikDialog> pomocnikDialog_;
    std::unique_ptr<TNapovedaDialog> napovedaDialog_;

    std::unique_ptr<TVyberDialog> vyberDialog_;
    std::unique_ptr<TStandardDialog> standardDialog_;
    std::unique_ptr<THraDialog> hraDialog_;
};
