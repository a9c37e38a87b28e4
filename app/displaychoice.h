#pragma once

#include <QString>
#include <functional>

// Whether the program can have a window, decided before the toolkit starts:
// the toolkit ends the process outright when it finds no display. An
// unattended run needs no one to look at it, so with no display (a server,
// a cron job, an ssh session, or a DISPLAY left behind by a session that is
// gone) it runs on the offscreen platform; a
// window for a person has nowhere to go, and the program says so and ends;
// so it does on a platform that draws nowhere (QT_QPA_PLATFORM=offscreen).
class DisplayChoice
{
public:
    enum class Plan {
        AsConfigured, // a display that answers, or a platform chosen by QT_QPA_PLATFORM
        Offscreen,    // no display: the unattended run goes on without one
        NoDisplay,    // no display for a window that a person must see, or a platform that draws nowhere
    };
    // The value of an environment variable, empty when it is not set.
    using Environment = std::function<QString(const char* name)>;
    // Whether a display takes a connection now: an X display name (":0",
    // "host:10.0"), a Wayland socket's path.
    struct Probe {
        std::function<bool(const QString& x11Display)> x11;
        std::function<bool(const QString& waylandSocket)> wayland;
    };

    static Plan plan(const QString& commandLineTail, const Environment& environment, const Probe& probe);
    // The process environment.
    static QString processEnvironment(const char* name);
    // Connects as the toolkit's platforms do (libxcb for X, which also
    // passes its authorisation; the socket for Wayland) and hangs up.
    static Probe systemProbe();
    // The one line on standard error for NoDisplay.
    static QString noDisplayMessage(const Environment& environment);
};
