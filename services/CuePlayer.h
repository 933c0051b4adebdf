#pragma once

#include <QString>

// Starts a sound file playing without waiting for it; a new one replaces
// the one still playing.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;

    // `fileName` is relative to the current directory, which the caller
    // changes again right after the call.
    virtual void play(const QString& fileName) = 0;
};
