#pragma once

#include "app/application.h"
#include "doubles/temphome.h"
#include "platform/soundplayer.h"

#include <QStringList>

// Plays nothing and keeps the name of every sound it was asked to play.
class QuietSounds : public SoundPlayer
{
public:
    QStringList played;
    void play(const QString& wave, bool) override { played << wave; }
};

// The program's options with every dialog answered by `home`'s doubles and
// the sounds kept quiet; fixtures add the doubles of their own.
inline Application::Options homeOptions(TempHome& home, SoundPlayer& sounds)
{
    Application::Options options;
    options.messages = &home.messages;
    options.fileDialog = &home.fileDialog;
    options.folderPicker = &home.folderPicker;
    options.textEditor = &home.textEditor;
    options.sounds = &sounds;
    return options;
}
