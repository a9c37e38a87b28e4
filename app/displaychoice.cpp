#include "app/displaychoice.h"

#include "app/startup.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

bool x11Answers(const QString& display)
{
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool ok = connection && xcb_connection_has_error(connection) == 0;
    if (connection)
        xcb_disconnect(connection);
    return ok;
}

bool waylandAnswers(const QString& socketPath)
{
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

// Whether DISPLAY or WAYLAND_DISPLAY names a display that takes a
// connection: one left behind by a session that has gone would make the
// toolkit abort.
bool displayAnswers(const DisplayChoice::Environment& environment, const DisplayChoice::Probe& probe)
{
    const QString x11 = environment("DISPLAY");
    if (!x11.isEmpty() && probe.x11(x11))
        return true;
    QString wayland = environment("WAYLAND_DISPLAY");
    if (!wayland.isEmpty() && !wayland.startsWith(QLatin1Char('/'))) {
        const QString runtime = environment("XDG_RUNTIME_DIR");
        wayland = runtime.isEmpty() ? QString() : runtime + QLatin1Char('/') + wayland;
    }
    return !wayland.isEmpty() && probe.wayland(wayland);
}

// The toolkit's platforms that draw nowhere; the value may carry options
// after a colon ("offscreen:fontengine=freetype").
bool drawsNowhere(const QString& platform)
{
    const QString name = platform.section(QLatin1Char(':'), 0, 0).trimmed();
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

} // namespace

DisplayChoice::Plan DisplayChoice::plan(const QString& commandLineTail, const Environment& environment,
                                        const Probe& probe)
{
    const bool unattended = Startup::parseCommandLine(commandLineTail).mode != LaunchMode::Interactive;
    const QString platform = environment("QT_QPA_PLATFORM");
    // A window on a platform that draws nowhere would wait for ever for a
    // user who cannot see it.
    if (drawsNowhere(platform))
        return unattended ? Plan::AsConfigured : Plan::NoDisplay;
    if (!platform.isEmpty() || displayAnswers(environment, probe))
        return Plan::AsConfigured;
    if (unattended)
        return Plan::Offscreen;
    return Plan::NoDisplay;
}

QString DisplayChoice::processEnvironment(const char* name)
{
    return qEnvironmentVariable(name);
}

DisplayChoice::Probe DisplayChoice::systemProbe()
{
    return {x11Answers, waylandAnswers};
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
    return QCoreApplication::translate("CommandLine",
                                       "zavok32: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY "
                                       "name none that answers); a job runs without one when its path follows \"!\" or "
                                       "\"$\", see zavok32 --help");
}
