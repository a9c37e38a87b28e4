#include "app/application.h"

#include "app/cleanupwiring.h"
#include "app/contentspageswiring.h"
#include "app/dizpagewiring.h"
#include "app/driveswiring.h"
#include "app/setcheckwiring.h"
#include "app/sourcepageswiring.h"
#include "contents/zipsizestep.h"
#include "contents/zipsizestepbinding.h"
#include "job/exitstatus.h"
#include "job/pagenotices.h"
#include "job/recoveryfilespage.h"
#include "job/recoveryoption.h"
#include "pipeline/riprun.h"
#include "pipeline/runmessages.h"
#include "pipeline/standardrunsteps.h"
#include "platform/appdirectory.h"
#include "platform/libzipcomponent.h"
#include "platform/posixprocessrunner.h"
#include "setcheck/volumetesters.h"
#include "platform/streamarchiverconsole.h"
#include "source/folderselection.h"
#include "source/jobcheck.h"
#include "source/sourcemeasurement.h"
#include "ui/dbusnotifier.h"
#include "ui/desktoptexteditor.h"
#include "ui/qtarchiverconsole.h"
#include "ui/qtreportpresenter.h"
#include "ui/reportwindow.h"
#include "ui/mainwindow.h"
#include "ui/navigation.h"
#include "ui/qtfiledialog.h"
#include "ui/qtfolderpicker.h"
#include "ui/qtmessagebox.h"
#include "ui/qtsoundplayer.h"
#include "ui/recoveryfilesdialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

QString appDirectory()
{
    return AppDirectory::path();
}

DriveMap preparedMap(const QString& appDir)
{
    DriveMap map(appDir);
    // A program installed in a drive root is refused before anything is
    // written there.
    if (QDir::cleanPath(appDir) != QLatin1String("/"))
        map.ensureDefaults();
    return map;
}

} // namespace

Application::Application(Options options)
    : m_options(options)
    , m_appDir(appDirectory())
    , m_map(preparedMap(m_appDir))
    , m_drives(m_map)
{
    m_services.drives = &m_drives;
    m_services.clock = &m_clock;
    m_app.restartInterrupted = options.restartInterrupted;
    m_window = std::make_unique<MainWindow>(m_job, m_view, m_app, m_services);
    m_services.shell = m_window.get();

    if (options.messages) {
        m_services.messages = options.messages;
    } else {
        m_messages = std::make_unique<QtMessageBox>(m_window.get());
        const bool headless = options.headless;
        m_messages->nobodyToAnswer = [headless] { return headless; };
        m_services.messages = m_messages.get();
    }
    if (!options.fileDialog)
        m_fileDialog = std::make_unique<QtFileDialog>(m_drives, m_window.get());
    m_services.fileDialog = options.fileDialog ? options.fileDialog : m_fileDialog.get();
    if (!options.folderPicker)
        m_folderPicker = std::make_unique<QtFolderPicker>(m_drives, m_window.get());
    m_services.folderPicker = options.folderPicker ? options.folderPicker : m_folderPicker.get();
    if (!options.sounds)
        m_sounds = std::make_unique<QtSoundPlayer>();
    m_services.sounds = options.sounds ? options.sounds : m_sounds.get();
    if (!options.zip)
        m_zip = std::make_unique<LibzipComponent>(m_drives);
    m_services.zip = options.zip ? options.zip : m_zip.get();
    if (!options.processes) {
        auto runner = std::make_unique<PosixProcessRunner>(m_appDir);
        // With a display the archiver shows its progress in a window of its
        // own; with none its output goes where this program's goes.
        if (!options.headless) {
            m_console = std::make_unique<QtArchiverConsole>();
            runner->setConsole(m_console.get());
        } else {
            m_streamConsole = std::make_unique<StreamArchiverConsole>(
                options.archiverLinesToStandardOutput ? StreamArchiverConsole::Sink(StreamArchiverConsole::writeToStandardOutput)
                                                      : StreamArchiverConsole::Sink());
            runner->setConsole(m_streamConsole.get());
        }
        m_processes = std::move(runner);
    }
    m_services.processes = options.processes ? options.processes : m_processes.get();
    if (!options.textEditor)
        m_textEditor = std::make_unique<DesktopTextEditor>();
    m_services.textEditor = options.textEditor ? options.textEditor : m_textEditor.get();
    if (!options.notifier)
        m_notifier = std::make_unique<DbusNotifier>();
    m_services.notifier = options.notifier ? options.notifier : m_notifier.get();

    m_scripts = std::make_unique<ScriptFile>(m_job, m_view, m_app, m_services, m_appDir);
    m_scripts->checkJob = [this] {
        if (checkJob)
            checkJob();
    };
    m_scripts->measureSource = [this] {
        if (measureSource)
            measureSource();
    };
    m_soundSwitch = std::make_unique<SoundSwitch>(m_app, m_appDir);
    m_verifySwitch = std::make_unique<MarkerSwitch>(m_app.verifyAfterPacking, m_appDir, QStringLiteral("verify.ini"));
    m_checksumSwitch = std::make_unique<MarkerSwitch>(m_app.checksumFiles, m_appDir, QStringLiteral("checksum.ini"));
    m_volumeTester = volumetesters::make();
    m_app.recoveryZips = options.recoveryZips.value_or(RecoveryOption::load(m_appDir));

    MainWindow& w = *m_window;
    w.openScript = [this] { m_scripts->openScript(); };
    w.saveScript = [this] { m_scripts->saveScript(); };
    w.toggleSounds = [this] { m_soundSwitch->toggle(); };
    w.toggleVerify = [this] { m_verifySwitch->toggle(); };
    w.toggleChecksums = [this] { m_checksumSwitch->toggle(); };
    w.recoveryFiles = [this] {
        RecoveryFilesPage page(m_app, m_appDir);
        RecoveryFilesDialog dialog(page, m_window.get());
        dialog.onSaveFailed = [this](const QString& error) {
            m_services.messages->show(QStringLiteral("Zavok32"), error, MessageIcon::Exclamation);
        };
        dialog.exec();
    };
    w.onEndApplication = [this](int code, const QString& reason) {
        m_ended = true;
        m_endCode = code;
        if (!reason.isEmpty()) {
            if (beforeErrorLine)
                beforeErrorLine();
            std::fprintf(stderr, "zavok32: %s\n", qPrintable(QtMessageBox::oneLine(reason)));
            std::fflush(stderr);
        }
        QCoreApplication::exit(code);
    };
    w.onWarning = [this](const QString& line) {
        if (beforeErrorLine)
            beforeErrorLine();
        std::fprintf(stderr, "zavok32: warning: %s\n", qPrintable(QtMessageBox::oneLine(line)));
        std::fflush(stderr);
    };
    wireLogic();

    m_startup = std::make_unique<Startup>(m_job, m_runState, m_view, m_app, m_services, m_appDir);
    Startup& s = *m_startup;
    s.showMainWindow = [this] {
        // Without a display nobody sees the window: it is shown (its closing
        // ends the program as ever) but never painted.
        if (m_options.headless)
            m_window->setUpdatesEnabled(false);
        m_window->show();
        if (!m_options.headless)
            m_window->repaint();
    };
    s.readScript = [this] { m_scripts->readScript(); };
    s.checkJob = [this] {
        if (checkJob)
            checkJob();
    };
    s.measureSource = [this] {
        if (measureSource)
            measureSource();
    };
    s.runJob = [this] {
        if (runJob)
            runJob();
    };
    s.markSourceItem = [this] { m_window->navigation().markItem(PageId::Source); };
    s.loadSoundSwitch = [this] {
        m_soundSwitch->load();
        m_verifySwitch->load();
        m_checksumSwitch->load();
        m_window->refreshChecks();
    };
    s.applicationEnded = [this] { return m_ended || m_closed; };
    w.onShutdown = [this] {
        m_closed = true;
        m_startup->shutdown();
    };

    m_sourcePages = std::make_unique<SourcePagesWiring>(*this);
    m_dizPage = std::make_unique<DizPageWiring>(*this);
    m_contentsPages = std::make_unique<ContentsPagesWiring>(*this);
    m_drivesWiring = std::make_unique<DrivesWiring>(*this);
    m_cleanUp = std::make_unique<CleanUpWiring>(*this);
    m_setCheck = std::make_unique<SetCheckWiring>(*this);
}

Application::~Application()
{
    m_setCheck.reset();
    m_cleanUp.reset();
    m_drivesWiring.reset();
    m_contentsPages.reset();
    m_dizPage.reset();
    m_sourcePages.reset();
    m_run.reset();
    m_presenter.reset();
    // The window goes before the job and view its pages hold references to.
    m_window.reset();
}

void Application::wireLogic()
{
    m_notices = std::make_unique<PageNotices>(m_job, m_view);
    m_sizeStep = std::make_unique<ZipSizeStep>(m_job, m_runState, m_view);
    m_sizeBinding = std::make_unique<ZipSizeStepBinding>(m_job, *m_sizeStep);
    m_check = std::make_unique<JobCheck>(m_job, m_app, m_services, &m_view);
    m_folderSelection = std::make_unique<FolderSelection>(m_drives);
    checkJob = [this] { m_check->checkJob(); };
    m_measure = std::make_unique<SourceMeasurement>(m_job, m_runState, m_view, m_services);
    measureSource = [this] { m_measure->measureSource(); };

    m_presenter = std::make_unique<QtReportPresenter>(*m_window, m_window.get());
    m_run = std::make_unique<RipRun>(RunContext{m_job, m_runState, m_app, m_view, m_services,
                                                standardRunSteps(m_job, m_runState, m_app, m_view, m_services),
                                                m_presenter.get(), &m_zipReader, m_volumeTester.get()});
    runJob = [this] { m_run->runJob(); };
    m_window->runJob = [this] {
        if (runJob)
            runJob();
    };
    m_window->abortRun = [this] { m_run->abortRun(); };
    m_window->exitRun = [this] { m_run->exitRun(); };
    m_window->confirmClose = [this] { return m_run->confirmClose(); };
}

void Application::stopBySignal(int signal)
{
    // A question the run waits on would keep it from hearing the stop.
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        box->reject();
    if (m_run->running()) {
        m_run->stopBySignal(signal);
        return;
    }
    m_window->close();
    m_window->endApplication(exitstatus::signalled(signal),
                             QCoreApplication::translate("Application", "stopped by %1; no run was going").arg(runmessages::signalName(signal)));
}

bool Application::openHandedScript(const QString& script)
{
    if (m_closed || m_ended || (m_run && m_run->running()) || QApplication::activeModalWidget())
        return false;
    QTimer::singleShot(0, m_window.get(), [this, script] {
        if (m_closed || m_ended || (m_run && m_run->running()) || QApplication::activeModalWidget())
            return;
        m_scripts->openScriptFile(m_startup->commandLineToDos(script));
    });
    return true;
}

bool Application::displayIsHeadless()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

QString Application::notReadyReason() const
{
    const auto host = m_drives.toHost(m_job.scriptPath());
    if (!host || !QFileInfo(*host).isFile())
        return m_job.scriptPath() + QCoreApplication::translate("Application", ": the script was not found");
    QString reason = m_job.scriptPath() + QCoreApplication::translate("Application", ": the job did not pass its check");
    const PageId page = m_window->navigation().visiblePage();
    if (page != PageId::Source || m_job.sourcePath().isEmpty())
        reason += QCoreApplication::translate("Application", " (see the%1 page)").arg(Navigation::shown(Navigation::titleText(page)));
    if (m_messages && !m_messages->lastMessage().isEmpty())
        reason += QStringLiteral(": ") + m_messages->lastMessage();
    return reason;
}

std::optional<int> Application::load(const QString& commandLineTail)
{
    const Startup::Outcome outcome = m_startup->load(commandLineTail);
    if (outcome != Startup::Outcome::Waiting && beforeErrorLine)
        beforeErrorLine();
    // With a display the window stays whenever a launch leaves it to the
    // user, so the user can see what is missing; with none, nobody could
    // ever answer it or close it, and the program ends with the reason.
    const QString lastMessage = m_messages && !m_messages->lastMessage().isEmpty()
        ? QStringLiteral(": ") + m_messages->lastMessage()
        : QString();
    switch (outcome) {
    case Startup::Outcome::Refused:
        m_window->hide();
        return exitstatus::DriveRoot;
    case Startup::Outcome::Waiting:
        if (!m_app.unattended())
            m_cleanUp->mentionInterruptedRuns();
        return std::nullopt;
    case Startup::Outcome::Ended:
        return m_ended ? m_endCode : exitstatus::Done;
    case Startup::Outcome::UnattendedNotReady:
        if (!m_options.headless)
            return std::nullopt;
        std::fprintf(stderr, "zavok32: %s\n", qPrintable(notReadyReason()));
        return exitstatus::NotRun;
    case Startup::Outcome::HandedToUser:
        if (!m_options.headless)
            return std::nullopt;
        std::fprintf(stderr,
                     "zavok32: %s: the job was not run%s. With a display it would wait in the window for you; "
                     "correct the script and start it again.\n",
                     qPrintable(m_job.scriptPath()), qPrintable(lastMessage));
        return exitstatus::NotRun;
    case Startup::Outcome::RunReturned:
        if (!m_options.headless)
            return std::nullopt;
        std::fprintf(stderr, "zavok32: %s: the job was not run%s\n", qPrintable(m_job.scriptPath()),
                     qPrintable(lastMessage));
        return exitstatus::NotRun;
    }
    return std::nullopt;
}
