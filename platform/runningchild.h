#pragma once

#include "platform/processend.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <sys/types.h>

// A started outside program whose stdout and stderr come through one pipe,
// for a caller that shows the output while it waits. The child leads a
// process group of its own, and ending it ends the group: polite first
// (SIGTERM) and forced after a grace period (SIGKILL). The child is always
// waited for: destroying a child that still runs kills it.
class RunningChild
{
public:
    RunningChild(pid_t pid, int outputFd, const QString& program, const QString& title);
    ~RunningChild();

    RunningChild(const RunningChild&) = delete;
    RunningChild& operator=(const RunningChild&) = delete;

    // The window title: the program's name and the archive it writes.
    QString title() const { return m_title; }
    // The read end of the output pipe (non-blocking), for a notifier.
    int outputFd() const { return m_fd; }
    // Whatever output is there now; empty when none is.
    QByteArray readAvailable();

    // How the child ended, once it has; empty while it runs. Never blocks.
    std::optional<ProcessEnd> poll();
    // Blocks until the child ends.
    ProcessEnd wait();

    // The user's Cancel: SIGTERM now; the end is then reported as cancelled.
    void cancel();
    // SIGKILL, for a child that outlives the grace period after cancel().
    void forceEnd();
    bool cancelled() const { return m_cancelled; }

    // How long a cancelled child may take to end before it is killed.
    static constexpr int kGraceMilliseconds = 500;

private:
    ProcessEnd endOf(int status) const;

    pid_t m_pid;
    int m_fd;
    QString m_program;
    QString m_title;
    bool m_cancelled = false;
    std::optional<ProcessEnd> m_end;
};

// Shows a running child's output until the child ends, and offers to end
// it; the desktop's window or a test's double.
class ArchiverConsole
{
public:
    virtual ~ArchiverConsole() = default;
    virtual ProcessEnd watch(RunningChild& child) = 0;
    // False when the child's standard error is to go where this program's
    // goes, and only its standard output through the pipe.
    virtual bool takesErrorOutput() const { return true; }

    // Each new percentage the child prints, while watch() waits.
    std::function<void(int percent)> onPercent;
};
