#pragma once

#include "services/CuePlayer.h"

#include <memory>

class QSoundEffect;

// Plays cues through Qt Multimedia; without an audio device it plays nothing.
class MultimediaCuePlayer : public CuePlayer {
public:
    MultimediaCuePlayer();
    ~MultimediaCuePlayer() override;

    void play(const QString& fileName) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};
