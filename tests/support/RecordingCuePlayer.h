#pragma once

#include "services/CuePlayer.h"

#include <QStringList>

#include <stdexcept>

// A cue player that remembers what it was asked to play, or fails like a
// player without its sounds folder.
class RecordingCuePlayer : public CuePlayer {
public:
    explicit RecordingCuePlayer(QStringList& played) : played_(played) {}

    void play(const QString& fileName) override
    {
        if (failing)
            throw std::runtime_error("no sound folder");
        played_ << fileName;
    }

    bool failing = false;

private:
    QStringList& played_;
};
