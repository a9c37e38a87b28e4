#include "app/displaychoice.h"

#include "app/startup.h"

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

} // namespace

DisplayChoice::Plan DisplayChoice::plan(const QString& commandLineTail, const Environment& environment,
                                        const Probe& probe)
{
    if (!environment("QT_QPA_PLATFORM").isEmpty())
        return Plan::AsConfigured;
    const QString x11 = environment("DISPLAY");
    if (!x11.isEmpty() && probe.x11(x11))
        return Plan::AsConfigured;
    QString wayland = environment("WAYLAND_DISPLAY");
    if (!wayland.isEmpty() && !wayland.startsWith(QLatin1Char('/'))) {
        const QString runtime = environment("XDG_RUNTIME_DIR");
        wayland = runtime.isEmpty() ? QString() : runtime + QLatin1Char('/') + wayland;
    }
    if (!wayland.isEmpty() && probe.wayland(wayland))
        return Plan::AsConfigured;
    if (Startup::parseCommandLine(commandLineTail).mode != LaunchMode::Interactive)
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

QString DisplayChoice::noDisplayMessage()
{
    return QStringLiteral("zavok32: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY name "
                          "none that answers); a job runs without one when its path follows \"!\" or \"$\", "
                          "see zavok32 --help");
}
