#include "platform/stopsignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Read and written by the handler: lock-free, so safe there.
std::atomic<int> g_received{0};
std::atomic<pid_t> g_childGroup{0};
std::atomic<int> g_writeFd{-1};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<pid_t>::is_always_lock_free);

void onSignal(int signal)
{
    const int savedErrno = errno;
    int expected = 0;
    if (!g_received.compare_exchange_strong(expected, signal)) {
        // The first one is still on its way: this one is not to be waited on.
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        errno = savedErrno;
        return;
    }
    if (const pid_t group = g_childGroup.load(); group > 0)
        ::kill(-group, SIGTERM);
    if (const int fd = g_writeFd.load(); fd >= 0) {
        const char byte = char(signal);
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

int g_pipe[2] = {-1, -1};

} // namespace

StopSignals::StopSignals(QObject* parent)
    : QObject(parent)
{
    g_received = 0;
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
    } else {
        g_writeFd = g_pipe[1];
        m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &StopSignals::drain);
    }
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // Calls the signal lands in go on; the event loop hears of it.
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

StopSignals::~StopSignals()
{
    for (const int signal : kSignals)
        ::signal(signal, SIG_DFL);
    g_writeFd = -1;
    delete m_notifier;
    for (int& fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

int StopSignals::received()
{
    return g_received.load();
}

void StopSignals::setChildGroup(pid_t group)
{
    g_childGroup = group;
    // A stop that came before the group was known has not reached it.
    if (group > 0 && g_received.load() != 0)
        ::kill(-group, SIGTERM);
}

QString StopSignals::name(int signal)
{
    switch (signal) {
    case SIGINT: return QStringLiteral("SIGINT");
    case SIGTERM: return QStringLiteral("SIGTERM");
    case SIGHUP: return QStringLiteral("SIGHUP");
    case SIGKILL: return QStringLiteral("SIGKILL");
    default: return QStringLiteral("signal %1").arg(signal);
    }
}

void StopSignals::drain()
{
    char bytes[16];
    int signal = 0;
    for (;;) {
        const ssize_t n = ::read(g_pipe[0], bytes, sizeof bytes);
        if (n > 0) {
            signal = bytes[n - 1];
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (signal != 0)
        emit stopRequested(signal);
}
