#pragma once

#include "platform/texteditor.h"

// The text editor service on a Linux desktop: the application the desktop
// has for plain text (its "text/plain" default, through GIO, which reads the
// same associations the file manager does), whatever type the file's own
// name suggests: an .nfo is often taken for something else. Without such an
// application, the one the file's own type has. False when neither starts,
// so the user can be told what to install. Programs are started directly,
// never through a shell.
class DesktopTextEditor : public TextEditor
{
public:
    bool open(const QString& hostPath) override;

    // The "text/plain" default alone; false when there is none or it fails.
    static bool openWithPlainTextDefault(const QString& hostPath);
};
