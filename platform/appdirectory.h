#pragma once

#include <QString>

// The folder that holds the program's settings and working files:
// $ZAVOK32_HOME when set (tests always set it), otherwise the per-user data
// folder. Files shipped with the program (sounds, help) are looked up here
// first, then in the installed share folder, then beside the executable.
class AppDirectory
{
public:
    // Host path, created when missing.
    static QString path();
    // Host path of a shipped file, or an empty text when none is found.
    static QString shippedFile(const QString& name);
};
