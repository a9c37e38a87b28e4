#include "platform/posixprocessrunner.h"

#include "platform/consoletext.h"
#include "platform/drivemap.h"
#include "platform/stopsignals.h"
#include "platform/windowscommandline.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

bool isProgramFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && ::access(QFile::encodeName(path).constData(), X_OK) == 0;
}

bool hasDriveLetter(const QString& name)
{
    return name.size() >= 2 && name[1] == QLatin1Char(':') && name[0].isLetter();
}

// Everything the child needs, made before the fork: between fork and exec
// the child of a threaded process may only make plain system calls.
struct ChildPlan {
    const char* program;
    char* const* argv;
    const char* directory; // null: stay where this process is
    int outputFd;          // -1: keep this process's stdout
    int errorFd;           // -1: keep this process's stderr
    int reportFd;          // gets errno when the child cannot start
    pid_t parent;
};

[[noreturn]] void failChild(int reportFd)
{
    const int error = errno;
    [[maybe_unused]] const ssize_t n = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

[[noreturn]] void becomeChild(const ChildPlan& plan)
{
    // A group of its own: a stop reaches the archiver and whatever it starts,
    // and the terminal's Ctrl+C reaches zavok32 alone, which passes it on.
    ::setpgid(0, 0);
    // It must not outlive zavok32, however zavok32 ends: SIGKILL when the
    // parent dies, and if the parent died before that was set, end now.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != plan.parent)
        ::_exit(127);
    // No blocked and no caught or ignored signals, whatever this process
    // set up for itself.
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    for (int signal = 1; signal < NSIG; ++signal)
        ::sigaction(signal, &defaults, nullptr);
    if (plan.directory && ::chdir(plan.directory) != 0)
        failChild(plan.reportFd);
    if (plan.outputFd >= 0 && ::dup2(plan.outputFd, STDOUT_FILENO) < 0)
        failChild(plan.reportFd);
    if (plan.errorFd >= 0 && ::dup2(plan.errorFd, STDERR_FILENO) < 0)
        failChild(plan.reportFd);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execve(plan.program, plan.argv, environ);
    failChild(plan.reportFd);
}

// Starts the child; its pid, or -1 with errno set.
pid_t startChild(const ChildPlan& plan)
{
    // No handler of this process may run in the child before it has reset them.
    sigset_t all, old;
    sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &old);
    const pid_t pid = ::fork();
    if (pid == 0)
        becomeChild(plan);
    const int error = errno;
    ::pthread_sigmask(SIG_SETMASK, &old, nullptr);
    if (pid > 0)
        ::setpgid(pid, pid); // also here, so that the group is there before the child runs
    errno = error;
    return pid;
}

} // namespace

PosixProcessRunner::PosixProcessRunner(const QString& appDirHost)
    : m_appDirHost(appDirHost)
{
}

QString PosixProcessRunner::executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path();
}

QStringList PosixProcessRunner::candidateNames(const QString& name) const
{
    QStringList names{name};
    if (name.size() > 4
        && (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)
            || name.endsWith(QLatin1String(".pif"), Qt::CaseInsensitive)))
        names << name.chopped(4);
    return names;
}

QString PosixProcessRunner::findProgram(const QString& name, const QString& currentDirHost) const
{
    if (name.isEmpty())
        return {};
    const QString currentDir = currentDirHost.isEmpty() ? QDir::currentPath() : currentDirHost;

    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || hasDriveLetter(name)) {
        QString path;
        if (hasDriveLetter(name)) {
            const auto host = DriveMap(m_appDirHost).toHost(name);
            if (!host)
                return {};
            path = *host;
        } else {
            path = QDir(currentDir).filePath(QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')));
        }
        for (const QString& candidate : candidateNames(path))
            if (isProgramFile(candidate))
                return candidate;
        return {};
    }

    QStringList folders{executableFolder(), m_appDirHost, currentDir};
    const QString searchPath = QString::fromLocal8Bit(qgetenv("PATH"));
    for (const QString& folder : searchPath.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders << folder;
    const QStringList names = candidateNames(name);
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        for (const QString& candidate : names) {
            const QString path = QDir(folder).filePath(candidate);
            if (isProgramFile(path))
                return path;
        }
    }
    return {};
}

ProcessEnd PosixProcessRunner::execCmd(const QString& commandLine, const QString& currentDirHost)
{
    const QStringList args = WindowsCommandLine::split(commandLine);
    const QString name = args.value(0);
    const QString program = findProgram(name, currentDirHost);
    if (program.isEmpty()) {
        const QString reason = name.isEmpty()
            ? QCoreApplication::translate("PosixProcessRunner", "the command line names no program")
            : QCoreApplication::translate("PosixProcessRunner", "%1 is not beside zavok32, in %2, in %3 or on PATH").arg(ProcessEnd::shownName(name), m_appDirHost, currentDirHost);
        qWarning().noquote() << "zavok32: cannot start" << name << ":" << reason;
        return ProcessEnd::notStarted(name, reason);
    }

    std::vector<QByteArray> encoded;
    encoded.reserve(args.size());
    for (const QString& arg : args)
        encoded.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& arg : encoded)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    // Both ends of each pipe are closed on exec: the child keeps only its
    // stdout and stderr, and the report pipe closes unwritten when it starts.
    int output[2] = {-1, -1};
    if (m_console && ::pipe2(output, O_CLOEXEC) != 0) {
        const QString reason = QCoreApplication::translate("PosixProcessRunner", "no pipe for its output: ") + QString::fromLocal8Bit(std::strerror(errno));
        return ProcessEnd::notStarted(name, reason);
    }
    int report[2] = {-1, -1};
    if (::pipe2(report, O_CLOEXEC) != 0) {
        const QString reason = QCoreApplication::translate("PosixProcessRunner", "no pipe to start it: ") + QString::fromLocal8Bit(std::strerror(errno));
        for (const int fd : output)
            if (fd >= 0)
                ::close(fd);
        return ProcessEnd::notStarted(name, reason);
    }

    const QByteArray programPath = QFile::encodeName(program);
    const QByteArray directory = QFile::encodeName(currentDirHost);
    const ChildPlan plan{programPath.constData(), argv.data(), currentDirHost.isEmpty() ? nullptr : directory.constData(),
                         output[1], m_console && m_console->takesErrorOutput() ? output[1] : -1, report[1], ::getpid()};
    const pid_t pid = startChild(plan);
    int error = pid < 0 ? errno : 0;
    if (pid > 0)
        StopSignals::setChildGroup(pid);
    ::close(report[1]);
    if (output[1] >= 0)
        ::close(output[1]);
    if (pid > 0) {
        ssize_t n = 0;
        do {
            n = ::read(report[0], &error, sizeof error);
        } while (n < 0 && errno == EINTR);
        if (n != ssize_t(sizeof error))
            error = 0; // closed on exec: it runs
        else
            waitFor(pid, name);
    }
    ::close(report[0]);
    if (error != 0) {
        StopSignals::setChildGroup(0);
        if (output[0] >= 0)
            ::close(output[0]);
        const QString reason = QCoreApplication::translate("PosixProcessRunner", "%1 in %2: %3").arg(program, currentDirHost, QString::fromLocal8Bit(std::strerror(error)));
        qWarning().noquote() << "zavok32: cannot start" << reason;
        return ProcessEnd::notStarted(name, reason);
    }
    ProcessEnd end;
    if (m_console) {
        RunningChild child(pid, output[0], name, ConsoleText::titleOf(args));
        m_console->onPercent = onPercent;
        end = m_console->watch(child);
        m_console->onPercent = nullptr;
    } else {
        end = waitFor(pid, name);
    }
    StopSignals::setChildGroup(0);
    return end;
}

ProcessEnd PosixProcessRunner::waitFor(pid_t pid, const QString& name)
{
    int status = 0;
    pid_t waited = -1;
    do {
        waited = waitpid(pid, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited < 0)
        return ProcessEnd::notStarted(name, QCoreApplication::translate("PosixProcessRunner", "its end could not be waited for: ")
                                                + QString::fromLocal8Bit(std::strerror(errno)));
    if (WIFSIGNALED(status))
        return ProcessEnd::signalled(name, WTERMSIG(status));
    return ProcessEnd::exited(name, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}
