#include "app/displaychoice.h"

#include "app/startup.h"

DisplayChoice::Plan DisplayChoice::plan(const QString& commandLineTail, const Environment& environment)
{
    if (!environment("QT_QPA_PLATFORM").isEmpty() || !environment("DISPLAY").isEmpty()
        || !environment("WAYLAND_DISPLAY").isEmpty())
        return Plan::AsConfigured;
    if (Startup::parseCommandLine(commandLineTail).mode != LaunchMode::Interactive)
        return Plan::Offscreen;
    return Plan::NoDisplay;
}

QString DisplayChoice::processEnvironment(const char* name)
{
    return qEnvironmentVariable(name);
}

QString DisplayChoice::noDisplayMessage()
{
    return QStringLiteral("zavok32: there is no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY "
                          "is set); a job runs without one when its path follows \"!\" or \"$\", "
                          "see zavok32 --help");
}
