#include "platform/runningchild.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>

RunningChild::RunningChild(pid_t pid, int outputFd, const QString& program, const QString& title)
    : m_pid(pid)
    , m_fd(outputFd)
    , m_program(program)
    , m_title(title)
{
    if (m_fd >= 0)
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
}

RunningChild::~RunningChild()
{
    if (!m_end) {
        ::kill(-m_pid, SIGKILL);
        wait();
    }
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray RunningChild::readAvailable()
{
    QByteArray all;
    if (m_fd < 0)
        return all;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            all.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // nothing more now (EAGAIN), or every writer has closed it
    }
    return all;
}

std::optional<ProcessEnd> RunningChild::poll()
{
    if (m_end)
        return m_end;
    int status = 0;
    pid_t waited = 0;
    do {
        waited = ::waitpid(m_pid, &status, WNOHANG);
    } while (waited < 0 && errno == EINTR);
    if (waited == 0)
        return std::nullopt;
    if (waited < 0)
        m_end = ProcessEnd::notStarted(m_program, QCoreApplication::translate("RunningChild", "its end could not be waited for: ")
                                                      + QString::fromLocal8Bit(std::strerror(errno)));
    else
        m_end = endOf(status);
    return m_end;
}

ProcessEnd RunningChild::wait()
{
    if (m_end)
        return *m_end;
    int status = 0;
    pid_t waited = -1;
    do {
        waited = ::waitpid(m_pid, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited < 0)
        m_end = ProcessEnd::notStarted(m_program, QCoreApplication::translate("RunningChild", "its end could not be waited for: ")
                                                      + QString::fromLocal8Bit(std::strerror(errno)));
    else
        m_end = endOf(status);
    return *m_end;
}

void RunningChild::cancel()
{
    if (m_end)
        return;
    m_cancelled = true;
    ::kill(-m_pid, SIGTERM);
}

void RunningChild::forceEnd()
{
    if (!m_end)
        ::kill(-m_pid, SIGKILL);
}

ProcessEnd RunningChild::endOf(int status) const
{
    ProcessEnd end = WIFSIGNALED(status) ? ProcessEnd::signalled(m_program, WTERMSIG(status))
                                         : ProcessEnd::exited(m_program, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    end.cancelled = m_cancelled;
    return end;
}
