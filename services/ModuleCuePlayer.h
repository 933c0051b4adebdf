#pragma once

#include "services/CuePlayer.h"

#include <filesystem>
#include <memory>

// Plays cues through the sound module, loaded at the first cue, so that Qt
// Multimedia and the sound libraries under it cost the start nothing.
// Without the module, with one that does not load, or with a file there
// that is no module of this program and version, every cue plays nothing,
// as without an audio device; the module is looked for once.
class ModuleCuePlayer : public CuePlayer {
public:
    // Looks for the module in `programFolder`, the program's own folder,
    // then where an install puts it.
    explicit ModuleCuePlayer(std::filesystem::path programFolder);
    ~ModuleCuePlayer() override;

    void play(const QString& fileName) override;

    // Whether a cue found the module and plays through it.
    bool loaded() const { return player_ != nullptr; }

private:
    std::unique_ptr<CuePlayer> loadModule() const;

    std::filesystem::path programFolder_;
    bool lookedFor_ = false;
    std::unique_ptr<CuePlayer> player_;
};
