#pragma once

#include <QString>

struct Services;

// Hands a file to the desktop's text editor for the Nfo page and the ZIP
// comment. Nothing waits for the editor. When none can be started the user
// is told so, and told which file to open by hand: a click with no visible
// effect would leave them guessing.
class FileInEditor
{
public:
    // A DOS path, as the job holds it. False when no editor was started (the
    // message has been shown).
    static bool open(Services& services, const QString& dosPath);
    // The same for a file of the application directory, named on the host.
    static bool openHost(Services& services, const QString& hostPath);

    static QString cannotStartText(const QString& hostPath);
    static QString noDriveText(const QString& dosPath);
};
