#pragma once

#include "job/appstate.h"

#include <QString>
#include <functional>

class RipJob;
class ViewState;
struct RipRunState;
struct Services;

// What the command line asks for: how to run, and which script.
struct CommandLine {
    LaunchMode mode = LaunchMode::Interactive;
    QString scriptPath;
};

// The main window's load sequence and its shutdown, without the window: the
// window and the parts of the job that other pages own are reached through
// the hooks.
class Startup
{
public:
    enum class Outcome {
        Refused,            // drive-root install: the message was shown, the process ends
        Waiting,            // the window waits for the user
        UnattendedNotReady, // an unattended launch whose job did not pass its check
        HandedToUser,       // an unattended launch that the job check turned interactive: the window waits
        RunReturned,        // an unattended run came back without ending the program
        Ended,              // something asked the program to end
    };

    Startup(RipJob& job, RipRunState& runState, ViewState& view, AppState& app, Services& services,
            QString appDirHost);

    // The text after "!" or "$" is the script; the rest is used unchanged.
    static CommandLine parseCommandLine(const QString& tail);
    // "Free space on" CR " 650 Meg.", or "less than 2 Meg." below 2,000,000 bytes.
    static QString freeSpaceLabel(qint64 freeBytes);

    // A script argument as another process reads it: a host path relative
    // to this process's folder made absolute; a drive-letter path, a quoted
    // one, "!" and "$" forms and an empty argument stay as they are.
    static QString absoluteScriptArgument(const QString& tail);
    // A host path named on the command line in DOS form, through the drive
    // map; a DOS path stays as typed.
    QString commandLineToDos(const QString& tail) const;
    bool isDriveRoot() const;

    Outcome load(const QString& commandLineTail);
    void shutdown();

    // Selects a drive in the work drive list as a user would; false when the
    // drive cannot be used. Default: a mapped drive whose free space can be read.
    std::function<bool(QChar letter)> selectWorkDrive;
    std::function<void()> showMainWindow;   // show and paint at once
    std::function<void()> closeAboutWindow;
    std::function<void()> readScript;
    std::function<void()> checkJob;
    std::function<void()> measureSource;
    std::function<void()> runJob;
    std::function<void()> markSourceItem;
    std::function<bool()> applicationEnded;
    std::function<void()> loadSoundSwitch;

private:
    void pickWorkDrive();
    bool defaultSelectWorkDrive(QChar letter);
    Outcome loadFromFreeSpace(const QString& tail);
    void showWorkDriveFreeSpace();
    bool ended() const { return applicationEnded && applicationEnded(); }
    static void call(const std::function<void()>& hook);

    RipJob& m_job;
    RipRunState& m_runState;
    ViewState& m_view;
    AppState& m_app;
    Services& m_services;
    QString m_appDirHost;
};
