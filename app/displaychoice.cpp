#include "app/displaychoice.h"

#include "app/startup.h"

#include <QCoreApplication>

namespace {

// The toolkit's platforms that draw nowhere; the value may carry options
// after a colon ("offscreen:fontengine=freetype").
bool drawsNowhere(const QString& platform)
{
    const QString name = platform.section(QLatin1Char(':'), 0, 0).trimmed();
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

} // namespace

DisplayChoice::Plan DisplayChoice::plan(const QString& commandLineTail, const Environment& environment)
{
    const bool unattended = Startup::parseCommandLine(commandLineTail).mode != LaunchMode::Interactive;
    const QString platform = environment("QT_QPA_PLATFORM");
    // A window on a platform that draws nowhere would wait for ever for a
    // user who cannot see it.
    if (drawsNowhere(platform))
        return unattended ? Plan::AsConfigured : Plan::NoDisplay;
    if (!platform.isEmpty() || !environment("DISPLAY").isEmpty() || !environment("WAYLAND_DISPLAY").isEmpty())
        return Plan::AsConfigured;
    if (unattended)
        return Plan::Offscreen;
    return Plan::NoDisplay;
}

QString DisplayChoice::processEnvironment(const char* name)
{
    return qEnvironmentVariable(name);
}

QString DisplayChoice::noDisplayMessage(const Environment& environment)
{
    const QString platform = environment("QT_QPA_PLATFORM");
    if (drawsNowhere(platform))
        return QCoreApplication::translate("CommandLine",
                                           "zavok32: the window would open on no display (QT_QPA_PLATFORM=%1) and wait "
                                           "there for ever; a job runs without one when its path follows \"!\" or "
                                           "\"$\", see zavok32 --help")
            .arg(platform);
    return QStringLiteral("zavok32: there is no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY "
                          "is set); a job runs without one when its path follows \"!\" or \"$\", "
                          "see zavok32 --help");
}
