#pragma once

#include "app/startup.h"
#include "job/appstate.h"
#include "job/riprunstate.h"
#include "job/ripjob.h"
#include "job/scriptfile.h"
#include "job/viewstate.h"
#include "platform/desktopnotifier.h"
#include "platform/drivemap.h"
#include "platform/hostdriveservice.h"
#include "platform/libzipreader.h"
#include "platform/services.h"
#include "platform/systemclock.h"
#include "ui/markerswitch.h"
#include "ui/soundswitch.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class CleanUpWiring;
class ContentsPagesWiring;
class DizPageWiring;
class DrivesWiring;
class FolderSelection;
class JobCheck;
class MainWindow;
class PageNotices;
class QtArchiverConsole;
class QtMessageBox;
class QtReportPresenter;
class RipIntoQuestion;
class RipRun;
class SourceMeasurement;
class SetCheckWiring;
class SourcePagesWiring;
class VolumeSetTester;
class StreamArchiverConsole;
class ZipSizeStep;
class ZipSizeStepBinding;

// The whole program in one object: the job and its state, the real platform
// services, the main window, and the wiring between them. main() makes one;
// tests make one in-process with doubles for the dialogs.
class Application
{
public:
    struct Options {
        // Doubles for the services a test drives itself; null: the real ones.
        MessageBox* messages = nullptr;
        FileDialog* fileDialog = nullptr;
        FolderPicker* folderPicker = nullptr;
        SoundPlayer* sounds = nullptr;
        ProcessRunner* processes = nullptr;
        ZipComponent* zip = nullptr;
        TextEditor* textEditor = nullptr;
        DesktopNotifier* notifier = nullptr;
        RipIntoQuestion* ripInto = nullptr;
        // No display: messages cannot be answered and a window cannot be closed.
        bool headless = false;
        // No display: the archiver's own lines go on to standard output (a
        // file or a pipe keeps them); off where one progress line stands for
        // them (a terminal) or nothing but errors is wanted.
        bool archiverLinesToStandardOutput = true;
        // --restart: an interrupted run of the job is deleted, not continued.
        bool restartInterrupted = false;
        // Recovery files for the runs of this start, over the remembered setting.
        std::optional<int> recoveryZips;
    };

    explicit Application(Options options);
    ~Application();

    static bool displayIsHeadless();

    // The load sequence. An exit code when the program is to end now; none
    // when the window waits for the user.
    std::optional<int> load(const QString& commandLineTail);

    // A script handed over by a second start of the program (its command-line
    // argument, a path made absolute there). Opened as File > Open opens a
    // script, once the events of the moment have run; false, with nothing
    // opened, while a run, a dialog or the end of the program has the window.
    bool openHandedScript(const QString& script);
    // SIGINT, SIGTERM or SIGHUP, heard on the event loop: a run going is
    // stopped like Abort and then ends the program; otherwise the window
    // closes. Either way the program ends with 128 + the signal.
    void stopBySignal(int signal);

    const Options& options() const { return m_options; }
    MainWindow& window() { return *m_window; }
    RipJob& job() { return m_job; }
    RipRunState& runState() { return m_runState; }
    ViewState& view() { return m_view; }
    AppState& appState() { return m_app; }
    Services& services() { return m_services; }
    // The archiver's window service; null without a display or with a
    // test's own process runner.
    QtArchiverConsole* archiverConsole() { return m_console.get(); }
    Startup& startup() { return *m_startup; }
    QString appDirHost() const { return m_appDir; }
    const DriveMap& driveMap() const { return m_map; }
    SourcePagesWiring& sourcePages() { return *m_sourcePages; }
    DrivesWiring& drivesWiring() { return *m_drivesWiring; }
    CleanUpWiring& cleanUp() { return *m_cleanUp; }
    ScriptFile& scripts() { return *m_scripts; }
    JobCheck& jobCheck() { return *m_check; }
    SourceMeasurement& measurement() { return *m_measure; }
    ZipSizeStep& sizeStep() { return *m_sizeStep; }
    // What reads sets back: the ZIPs, and the volume sets inside (null
    // while there is no tester).
    ZipReader& zipReader() { return m_zipReader; }
    VolumeSetTester* volumeTester() { return m_volumeTester.get(); }
    SetCheckWiring& setCheck() { return *m_setCheck; }
    // The live check that every folder picker of the window runs.
    FolderSelection& folderSelection() { return *m_folderSelection; }

    // Called before a line goes to standard error, so that a progress line
    // being redrawn on the terminal is ended first.
    std::function<void()> beforeErrorLine;

    // The pieces of other parts of the program; the real ones are wired in
    // and a test may put its own in their place.
    std::function<void()> checkJob;
    std::function<void()> measureSource;
    std::function<void()> runJob;
    RipRun* run() { return m_run.get(); }
    QtReportPresenter* reportPresenter() { return m_presenter.get(); }

private:
    QString notReadyReason() const;
    void wireLogic();

    Options m_options;
    QString m_appDir;
    DriveMap m_map;
    HostDriveService m_drives;
    SystemClock m_clock;
    RipJob m_job;
    RipRunState m_runState;
    ViewState m_view;
    AppState m_app;
    Services m_services;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QtMessageBox> m_messages;
    std::unique_ptr<FileDialog> m_fileDialog;
    std::unique_ptr<FolderPicker> m_folderPicker;
    std::unique_ptr<SoundPlayer> m_sounds;
    std::unique_ptr<ZipComponent> m_zip;
    std::unique_ptr<QtArchiverConsole> m_console;
    std::unique_ptr<StreamArchiverConsole> m_streamConsole;
    std::unique_ptr<ProcessRunner> m_processes;
    std::unique_ptr<TextEditor> m_textEditor;
    std::unique_ptr<DesktopNotifier> m_notifier;
    std::unique_ptr<PageNotices> m_notices;
    std::unique_ptr<ZipSizeStep> m_sizeStep;
    std::unique_ptr<ZipSizeStepBinding> m_sizeBinding;
    std::unique_ptr<JobCheck> m_check;
    std::unique_ptr<FolderSelection> m_folderSelection;
    std::unique_ptr<SourceMeasurement> m_measure;
    std::unique_ptr<QtReportPresenter> m_presenter;
    std::unique_ptr<RipRun> m_run;
    std::unique_ptr<ScriptFile> m_scripts;
    std::unique_ptr<SoundSwitch> m_soundSwitch;
    std::unique_ptr<MarkerSwitch> m_verifySwitch;
    std::unique_ptr<MarkerSwitch> m_checksumSwitch;
    LibzipReader m_zipReader;
    std::unique_ptr<VolumeSetTester> m_volumeTester;
    std::unique_ptr<Startup> m_startup;
    // Each page's controls, connected to their logic once everything above exists.
    std::unique_ptr<SourcePagesWiring> m_sourcePages;
    std::unique_ptr<DizPageWiring> m_dizPage;
    std::unique_ptr<ContentsPagesWiring> m_contentsPages;
    std::unique_ptr<DrivesWiring> m_drivesWiring;
    std::unique_ptr<CleanUpWiring> m_cleanUp;
    std::unique_ptr<SetCheckWiring> m_setCheck;
    bool m_closed = false;
    bool m_ended = false;
    int m_endCode = 0;
};
