#include "platform/posixprocessrunner.h"

#include "platform/consoletext.h"
#include "platform/drivemap.h"
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
#include <spawn.h>
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

// Frees the spawn records however the start ends.
struct SpawnSetup {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    SpawnSetup()
    {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSetup()
    {
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
};

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

    SpawnSetup setup;
    const QByteArray directory = QFile::encodeName(currentDirHost);
    if (!currentDirHost.isEmpty())
        posix_spawn_file_actions_addchdir_np(&setup.actions, directory.constData());
    // The child starts with no blocked and no ignored signals, whatever this
    // process has set up for itself.
    sigset_t sigs;
    sigemptyset(&sigs);
    posix_spawnattr_setsigmask(&setup.attributes, &sigs);
    sigfillset(&sigs);
    posix_spawnattr_setsigdefault(&setup.attributes, &sigs);
    posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    // Both ends are closed on exec: the child keeps only its stdout and stderr.
    int output[2] = {-1, -1};
    if (m_console) {
        if (::pipe2(output, O_CLOEXEC) != 0) {
            const QString reason = QCoreApplication::translate("PosixProcessRunner", "no pipe for its output: ") + QString::fromLocal8Bit(std::strerror(errno));
            return ProcessEnd::notStarted(name, reason);
        }
        posix_spawn_file_actions_adddup2(&setup.actions, output[1], STDOUT_FILENO);
        if (m_console->takesErrorOutput())
            posix_spawn_file_actions_adddup2(&setup.actions, output[1], STDERR_FILENO);
    }

    const QByteArray programPath = QFile::encodeName(program);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, programPath.constData(), &setup.actions, &setup.attributes,
                                  argv.data(), environ);
    if (output[1] >= 0)
        ::close(output[1]);
    if (error != 0) {
        if (output[0] >= 0)
            ::close(output[0]);
        const QString reason = QCoreApplication::translate("PosixProcessRunner", "%1 in %2: %3").arg(program, currentDirHost, QString::fromLocal8Bit(std::strerror(error)));
        qWarning().noquote() << "zavok32: cannot start" << reason;
        return ProcessEnd::notStarted(name, reason);
    }
    if (m_console) {
        RunningChild child(pid, output[0], name, ConsoleText::titleOf(args));
        m_console->onPercent = onPercent;
        const ProcessEnd end = m_console->watch(child);
        m_console->onPercent = nullptr;
        return end;
    }
    return waitFor(pid, name);
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
