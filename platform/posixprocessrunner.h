#pragma once

#include "platform/processrunner.h"
#include "platform/runningchild.h"

#include <QString>
#include <QStringList>
#include <sys/types.h>

// Starts outside programs the way the Windows program loader did, without a
// shell: the command line is split by the Windows C runtime's rules
// (WindowsCommandLine), the program is looked up, and the child is started
// in the chosen folder and waited for.
//
// The child never outlives zavok32: it is killed when zavok32 dies, however
// that happens, and it runs in a process group of its own, which StopSignals
// stops when zavok32 is asked to stop (SIGINT, SIGTERM, SIGHUP).
//
// Where a program is looked up, in this order:
//   1. the folder of the running executable (the built wrar and wace lie
//      beside zavok32);
//   2. the application directory given to the constructor;
//   3. the current directory: the folder the child is started in, which is
//      what the process's current directory was on Windows when the run had
//      changed into it;
//   4. the folders of PATH.
// A name ending in ".exe" or ".pif" (any case) is also tried without that
// ending, so "wrar.exe" finds "wrar". A name with a folder in it ("/", "\" or
// a drive letter) is used as it stands; a DOS path goes through the drive map.
//
// A program that cannot be found or started makes execCmd return at once as
// NotStarted, with the reason (which also goes to stderr for a person reading
// a log); otherwise it says how the child ended: its exit status or the
// signal that ended it.
class PosixProcessRunner : public ProcessRunner
{
public:
    explicit PosixProcessRunner(const QString& appDirHost);

    ProcessEnd execCmd(const QString& commandLine, const QString& currentDirHost) override;

    // With a console, the child's stdout (and stderr, when the console takes
    // it) go through a pipe to it and it waits for the child, reporting the
    // child's percentages to onPercent; without one, the child writes to
    // this process's own stdout and stderr.
    void setConsole(ArchiverConsole* console) { m_console = console; }

    // Host path of the program the first word of a command line names, or an
    // empty text when there is none.
    QString findProgram(const QString& name, const QString& currentDirHost) const;

    // The folder of the running executable.
    static QString executableFolder();

private:
    QStringList candidateNames(const QString& name) const;
    static ProcessEnd waitFor(pid_t pid, const QString& name);

    QString m_appDirHost;
    ArchiverConsole* m_console = nullptr;
};
