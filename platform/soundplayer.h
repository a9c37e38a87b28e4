#pragma once

#include <QString>

// Plays a wave file of the application directory ("rip.wav"). Missing files
// and sound devices are not reported.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& waveName, bool waitUntilDone) = 0;
};
