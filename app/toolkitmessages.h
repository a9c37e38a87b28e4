#pragma once

#include <QString>
#include <QtGlobal>

// Keeps the toolkit's remarks about its own surroundings off the terminal:
// a platform without windows that cannot raise one, a session that set no
// runtime folder. They come with every headless run, say nothing about the
// job, and a user can do nothing about them. Every other message, and every
// message that is not a warning, passes on to the toolkit's own handler.
class ToolkitMessages
{
public:
    static bool meansNothingToUser(QtMsgType type, const char* category, const QString& message);
    // The toolkit's last word when no platform would start (a display that
    // went away between the program's trial and the toolkit's connection):
    // the filter ends the program with the no-display line and status 2
    // instead of the toolkit's abort.
    static bool meansNoPlatform(QtMsgType type, const QString& message);
    // Installs the filter for the whole process.
    static void install();
};
