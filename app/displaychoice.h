#pragma once

#include <QString>
#include <functional>

// Whether the program can have a window, decided before the toolkit starts:
// the toolkit ends the process outright when it finds no display. An
// unattended run needs no one to look at it, so with no display at all (a
// server, a cron job, an ssh session) it runs on the offscreen platform; a
// window for a person has nowhere to go, and the program says so and ends;
// so it does on a platform that draws nowhere (QT_QPA_PLATFORM=offscreen).
class DisplayChoice
{
public:
    enum class Plan {
        AsConfigured, // a display, or a platform chosen by QT_QPA_PLATFORM
        Offscreen,    // no display: the unattended run goes on without one
        NoDisplay,    // no display for a window that a person must see, or a platform that draws nowhere
    };
    // The value of an environment variable, empty when it is not set.
    using Environment = std::function<QString(const char* name)>;

    static Plan plan(const QString& commandLineTail, const Environment& environment);
    // The process environment.
    static QString processEnvironment(const char* name);
    // The one line on standard error for NoDisplay.
    static QString noDisplayMessage(const Environment& environment);
};
