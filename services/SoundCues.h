#pragma once

#include "services/core/SoundCue.h"
#include "services/CuePlayer.h"

#include <QString>

#include <memory>
#include <string_view>

// The program's sound cues, WAV files in the folder "Zvuky" of the folder
// the program ships its files in (AppFolders::shipped). A missing file or
// folder plays nothing and says nothing.
class SoundCues {
public:
    static constexpr std::string_view kFolder = "Zvuky";

    // `applicationDir` ends with "/", as AppFolders::text gives it.
    SoundCues(const QString& applicationDir, std::unique_ptr<CuePlayer> player);

    // Plays the cue by its bare name from inside the sounds folder and leaves
    // the current directory at `applicationDir`. Throws
    // std::runtime_error when a directory cannot be entered.
    void play(const QString& fileName);
    void play(pelikor::SoundCue cue);

private:
    QString applicationDir_;
    std::unique_ptr<CuePlayer> player_;
};
