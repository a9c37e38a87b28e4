#pragma once

#include "platform/soundplayer.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

// Plays the program's wave files through Qt Multimedia. A missing file gives
// the desktop's beep; a machine without sound is not reported, and a wait for
// the end of a sound lasts as long as the sound would.
class QtSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);

    void play(const QString& waveName, bool waitUntilDone) override;

    // How long a wave file plays, from its header; 0 when it cannot be read.
    static int durationMs(const QString& path);
    // The names asked for, in order, for tests and diagnostics.
    QStringList played() const { return m_played; }

private:
    QSoundEffect* effectFor(const QString& path);

    QHash<QString, QSoundEffect*> m_effects;
    QStringList m_played;
};
