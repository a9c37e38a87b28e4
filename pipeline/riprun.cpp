#include "pipeline/riprun.h"

#include "job/appstate.h"
#include "job/exitstatus.h"
#include "job/pagenotices.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "job/volumeestimate.h"
#include "pipeline/extranames.h"
#include "pipeline/floppyfit.h"
#include "pipeline/interruptedrunchoice.h"
#include "pipeline/jobfolders.h"
#include "pipeline/recoverystep.h"
#include "pipeline/reportpresenter.h"
#include "pipeline/runendnotice.h"
#include "pipeline/runfailure.h"
#include "pipeline/runmessages.h"
#include "pipeline/runreport.h"
#include "pipeline/setproof.h"
#include "pipeline/volumepackager.h"
#include "pipeline/workdirectory.h"
#include "platform/appdirectory.h"
#include "platform/clock.h"
#include "platform/desktopnotifier.h"
#include "platform/driveservice.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "platform/processrunner.h"
#include "platform/services.h"
#include "platform/soundplayer.h"
#include "platform/zipcomponent.h"
#include "resume/zipfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <utility>

namespace {

QString errorTitle()
{
    return QCoreApplication::translate("RipRun", "Zavok32 error");
}
// The highest volume number a set may reach; names up to it are the set's own.
constexpr int kMaxVolumes = 999;

} // namespace

RipRun::RipRun(RunContext context)
    : m_ctx(std::move(context))
    , m_progress(m_ctx.view)
{
}

int RipRun::zipLevelFor(int compressionIndex)
{
    static constexpr int levels[] = {0, 1, 4, 6, 7, 9};
    if (compressionIndex < 0 || compressionIndex > 5)
        return -1;
    return levels[compressionIndex];
}

QString RipRun::hostPath(const QString& dosPath) const
{
    const auto host = m_ctx.services.drives->toHost(dosPath);
    if (!host)
        throw RunFailure(QCoreApplication::translate("RipRun", "no drive for ") + dosPath);
    return *host;
}

void RipRun::runJob()
{
    // Window events run during packaging; a second Zavok! then must not start
    // a run inside the first one.
    if (m_running)
        return;
    m_running = true;
    m_stopRequested = false;
    m_left = Leftovers();
    m_zipsMade.clear();
    m_closing = false;
    m_resume.reset();
    m_journal.stop();
    m_ctx.view.run.left.clear();
    m_ctx.view.window.notice.clear();
    m_verdict.clear();
    // Nothing of the last run may show behind the questions of this one, and
    // the checks below leave notices of their own.
    m_ctx.view.run = RunPageView{};
    m_ctx.view.wholeRun = WholeRunView{};
    m_userAway = false;
    PageNotices::clearAll(m_ctx.view);
    m_ctx.view.notify();
    try {
        if (checkAndPlan() == Outcome::Done) {
            RipJob& job = m_ctx.job;
            if (job.archiver() == Archiver::Ace)
                job.setArchiveCompression(3);
            const int level = zipLevelFor(job.zipCompression());
            if (level >= 0 && m_ctx.services.zip)
                m_ctx.services.zip->setCompressionLevel(level);
            if (m_resume)
                continueRun();
            else
                freshRun();
        }
    } catch (const RunFailure& failure) {
        endAfterUnexpectedFailure(failure.reason(), failure.message());
    } catch (const std::exception& failure) {
        endAfterUnexpectedFailure(QString::fromLocal8Bit(failure.what()), {});
    }
    m_journal.stop();
    m_progress.end();
    m_lock.release();
    m_running = false;
    if (m_stopSignal)
        endAfterStopSignal();
}

void RipRun::freshRun()
{
    RipJob& job = m_ctx.job;
    RipRunState& state = m_ctx.state;
    Shell& shell = *m_ctx.services.shell;

    m_ctx.steps.prepareArchiver();
    state.workDirectory = workdirectory::make(job.workDrive(), *m_ctx.services.drives);
    state.archivePath = state.workDirectory + QLatin1Char('\\') + job.zipBaseName() + state.archiveExtension;
    state.runStarted = m_ctx.services.clock ? m_ctx.services.clock->runStart() : QDateTime::currentDateTime();
    state.runStarted = QDateTime::fromSecsSinceEpoch(state.runStarted.toSecsSinceEpoch(), Qt::UTC);
    if (!job.archivesOnly()) {
        RunJournal journal;
        journal.started = state.runStarted;
        const QDateTime now = m_ctx.services.clock ? m_ctx.services.clock->now() : QDateTime::currentDateTime();
        journal.begun = QDateTime::fromSecsSinceEpoch(now.toSecsSinceEpoch(), Qt::UTC);
        journal.settings = m_settings;
        journal.sourceMeasure = m_measure.isEmpty() ? JobIdentity::sourceMeasure(job, *m_ctx.services.drives, leaveOut()) : m_measure;
        m_journal.start(hostPath(state.workDirectory), state.workDirectory, journal);
        // Where Options > Clean up looks for ZIPs a killed run left unfinished.
        zipfolders::remember(AppDirectory::path(), job.zipDirectory());
    }

    shell.minimiseMainWindow();
    shell.processPendingEvents();
    state.savedSourceText = job.sourcePath();
    state.sourceTextSaved = true;

    m_progress.start(qint64(double(job.sourceMegabytes()) * 1e6), job.archivesOnly());
    ProcessRunner* processes = m_ctx.services.processes;
    if (processes)
        processes->onPercent = [this](int percent) { m_progress.archiverPercent(percent); };
    // A stop that came before the archiver started leaves it unstarted.
    ProcessEnd archiver = ProcessEnd::exited(QString(), 0);
    archiver.cancelled = true;
    if (!m_stopRequested)
        archiver = m_ctx.steps.runArchiver();
    if (processes)
        processes->onPercent = nullptr;
    // Before the window comes back, which may take the focus itself.
    m_userAway = !shell.programActive();
    // A stop signal that came while the archiver ran is heard now.
    shell.processPendingEvents();

    if (m_ctx.app.unattended())
        shell.showPage(PageId::Run);
    shell.restoreMainWindow();
    shell.repaintMainWindow();

    const int count = workdirectory::countVolumes(hostPath(state.workDirectory));
    state.volumeCount = qint16(count);
    m_progress.archiverEnded(count, workdirectory::volumeBytes(hostPath(state.workDirectory)));
    // Cancelled before it wrote anything, the run simply did not happen.
    const bool cancelledEmpty = archiver.cancelled && count == 0;
    if (archiver.started() && !archiver.succeeded() && !cancelledEmpty) {
        endAfterFailedArchiver(archiver, count);
    } else if (count == 0) {
        m_ctx.view.run.status = QCoreApplication::translate("RipRun", "Aborted");
        m_ctx.view.notify();
        if (!archiver.started()) {
            const QString message = runmessages::archiverFailure(archiver, 0, state.workDirectory, {}, job.archivesOnly());
            if (!quiet())
                m_ctx.services.messages->show(errorTitle(), message, MessageIcon::Stop);
            finishRun(true, message);
        } else {
            finishRun(true);
        }
    } else if (job.archivesOnly()) {
        m_ctx.view.run.counter = numbertext::signedDecimal(count)
            + (job.archiver() == Archiver::Rar ? QStringLiteral(" Rar's") : QStringLiteral(" Ace's"));
        m_ctx.view.notify();
        m_progress.finish();
        tellDesktop({});
        if (!m_ctx.app.unattended())
            showCompletion();
        finishRun(false);
    } else {
        m_journal.setMade(count, m_ctx.steps.volumeFileName);
        packageAndReport();
    }
}

void RipRun::continueRun()
{
    RipJob& job = m_ctx.job;
    RipRunState& state = m_ctx.state;
    const RunJournal& journal = *m_resume->journal;
    state.workDirectory = m_resume->dos;
    state.archivePath = state.workDirectory + QLatin1Char('\\') + job.zipBaseName() + state.archiveExtension;
    state.runStarted = journal.started;
    state.volumeCount = qint16(journal.volumes.size());
    state.savedSourceText = job.sourcePath();
    state.sourceTextSaved = true;
    m_journal.resume(m_resume->host, m_resume->dos, journal);
    // A volume whose ZIP was complete may have outlived it by a kill.
    for (const RunJournal::Zip& zip : journal.zips) {
        m_zipsMade << zip.name;
        QFile::remove(QDir(m_resume->host).filePath(journal.volumes[zip.number - 1].name));
    }
    if (m_ctx.app.unattended())
        m_ctx.services.shell->showPage(PageId::Run);
    // The whole run is what is left of it: the ZIPs still to make.
    const QString workHost = hostPath(state.workDirectory);
    const qint64 left = workdirectory::volumeBytes(workHost);
    m_progress.start(left, false);
    m_progress.archiverEnded(workdirectory::countVolumes(workHost), left);
    packageAndReport();
}

void RipRun::packageAndReport()
{
    VolumePackager packager(m_ctx, m_stopRequested, &m_progress);
    packager.alreadyMade = [this](int n) {
        const RunJournal::Zip* zip = m_journal.journal().zip(n);
        return zip ? zipDosPath(zip->name) : QString();
    };
    // A kill between putting a ZIP in place and its proof leaves a ZIP that
    // the journal does not name, and so does a ZIP that failed its proof;
    // written since the interrupted run began, it is that run's, and is kept
    // only once it proves sound against its volume.
    packager.madeUnrecorded = [this](int, const ZipNameParts& names) {
        if (!m_resume)
            return false;
        const QFileInfo zip(hostPath(names.target + QStringLiteral(".zip")));
        return zip.isFile() && zip.lastModified().toSecsSinceEpoch() >= m_journal.journal().begun.toSecsSinceEpoch();
    };
    packager.zipMade = [this](int n, const ZipNameParts& names) {
        m_journal.zipMade(n, names.shownName, hostPath(names.target + QStringLiteral(".zip")));
        m_zipsMade << names.shownName;
    };
    SetProof proof(m_ctx, m_stopRequested);
    packager.setProof(&proof);
    const VolumePackager::Result result = packager.packageVolumes();
    const RecoveryStep::Result recovery = result.completed
        ? RecoveryStep(m_ctx, m_stopRequested).writeRecoveryFiles(result.zips, proof.stem())
        : RecoveryStep::Result{true, {}};
    if (!result.completed || !recovery.completed) {
        // Volumes that failed the set's test must never become ZIPs.
        if (proof.volumesUnsound())
            m_journal.setUnsound();
        if (result.completed)
            endAfterFailedZipStep(recovery.reason, {});
        else
            endAfterFailedZipStep(result.reason, result.message);
        return;
    }
    for (const QString& file : recovery.files) {
        if (const QString fault = proof.listAlso(file); !fault.isEmpty())
            throw RunFailure(fault, QCoreApplication::translate("RipRun", "Every ZIP of the set was made, but %1.").arg(fault));
    }
    finishProof(proof);
    m_progress.finish();
    tellDesktop({});
    if (!m_ctx.app.unattended())
        showCompletion();
    finishRun(false);
}

QString RipRun::zipDosPath(const QString& name) const
{
    // As the ZIPs are named: a drive root gives its drive alone.
    const QString dir = m_ctx.job.zipDirectory();
    return (dir.endsWith(QLatin1Char('\\')) ? dir.left(2) : dir) + QLatin1Char('\\') + name;
}

QStringList RipRun::leaveOut() const
{
    QStringList paths{AppDirectory::path()};
    if (const auto zipDir = m_ctx.services.drives->toHost(m_ctx.job.zipDirectory()))
        paths << *zipDir;
    return paths;
}

RipRun::Outcome RipRun::checkAndPlan()
{
    RipJob& job = m_ctx.job;
    RipRunState& state = m_ctx.state;
    Shell& shell = *m_ctx.services.shell;

    if (!m_ctx.app.unattended())
        shell.showPage(PageId::Run);

    if (m_ctx.steps.checkJob)
        m_ctx.steps.checkJob();

    if (!job.archivesOnly()) {
        if (job.sourcePath().isEmpty())
            return refuse(PageId::Source, {}, QCoreApplication::translate("RipRun", "no source is chosen"), PageNotices::noSourceText());
        if (job.dizPath().isEmpty())
            return refuse(PageId::Diz, {}, QCoreApplication::translate("RipRun", "no description file (file_id.diz) is chosen"),
                          PageNotices::noDescriptionText());
        if (job.autoNumbering() && job.dizColumn().isEmpty())
            return refuse(PageId::Diz, FocusTarget::DizColumn, QCoreApplication::translate("RipRun", "numbering is on but no column is given"),
                          PageNotices::noColumnText());
        if (job.autoNumbering() && job.dizLine().isEmpty())
            return refuse(PageId::Diz, FocusTarget::DizLine, QCoreApplication::translate("RipRun", "numbering is on but no line is given"),
                          PageNotices::noLineText());
        if (job.nfoPath().isEmpty())
            return refuse(PageId::Nfo, {}, QCoreApplication::translate("RipRun", "no information file (.nfo) is chosen"),
                          PageNotices::noInformationText());
        if (job.zipDirectory().isEmpty())
            return refuse(PageId::Zip, {}, QCoreApplication::translate("RipRun", "no ZIP directory is chosen"), PageNotices::noZipFolderText());
    }

    if (job.zipBaseName().isEmpty())
        return refuse(PageId::Zip, FocusTarget::ZipName, QCoreApplication::translate("RipRun", "the base name is empty"), PageNotices::noBaseNameText());
    QString refusal;
    if (job.zipBaseName().contains(QLatin1Char(' ')))
        refusal = QCoreApplication::translate("RipRun", "Spaces aren't allowed in filename");
    else if (m_ctx.steps.baseNameRefusal)
        refusal = m_ctx.steps.baseNameRefusal(job.zipBaseName());
    if (!refusal.isEmpty()) {
        if (!m_ctx.app.unattended())
            m_ctx.services.messages->show(errorTitle(), refusal, MessageIcon::Exclamation);
        return refuse(PageId::Zip, FocusTarget::ZipName, QCoreApplication::translate("RipRun", "the base name \"%1\" cannot name a file").arg(job.zipBaseName()));
    }
    job.setZipBaseName(job.zipBaseName().toLower());

    // Before the job's identity is taken, which measures the extra whole:
    // an extra as large as a file system is refused without being walked.
    if (!job.archivesOnly() && checkJobFolders() == Outcome::Ended)
        return Outcome::Ended;
    if (!job.archivesOnly() && lockTheSet() == Outcome::Ended)
        return Outcome::Ended;

    if (!job.archivesOnly()) {
        m_settings = JobIdentity::settings(job, m_ctx.app.launchMode == LaunchMode::AutoRunDated,
                                           *m_ctx.services.drives, AppDirectory::path());
        m_measure.clear();
        const InterruptedRunChoice::Decision decision =
            InterruptedRunChoice(m_ctx, m_ctx.app.restartInterrupted).decide(m_settings, m_measure, leaveOut());
        if (decision.kind == InterruptedRunChoice::Kind::Cancel) {
            state.clearAfterRun();
            return Outcome::Ended;
        }
        if (decision.kind == InterruptedRunChoice::Kind::Continue)
            m_resume = decision.folder;
    }

    // The ZIPs an interrupted run made are this run's own.
    if (!m_ctx.app.unattended() && !job.archivesOnly() && !m_resume) {
        const QString dir = job.zipDirectory();
        const QString pattern = dir + (dir.endsWith(QLatin1Char('\\')) ? QString() : QStringLiteral("\\")) + job.zipBaseName() + QLatin1Char('*');
        if (m_ctx.services.drives->fileExists(pattern)) {
            const MessageResult answer = m_ctx.services.messages->show(
                errorTitle(), QCoreApplication::translate("RipRun", "Duplicate zip name in zip directory\nadd to it?"),
                MessageIcon::Exclamation, MessageButtons::OkCancel);
            if (answer == MessageResult::Cancel)
                return refuse(PageId::Zip, FocusTarget::ZipName, QCoreApplication::translate("RipRun", "the ZIP name is taken"));
        }
    }

    if (!job.archivesOnly() && job.autoNumbering()) {
        m_ctx.steps.checkDizNumbering();
        if (!state.numberingChecked) {
            state.clearAfterRun();
            if (m_ctx.app.unattended())
                endUnattended(exitstatus::NotRun, QCoreApplication::translate("RipRun", "the numbering line or column does not fit the description file"));
            return Outcome::Ended;
        }
    }

    const bool rar = job.archiver() == Archiver::Rar;
    if (job.archiveSizeStep() == 0) {
        state.threeDigitNumbering = false;
        state.archiveExtension = rar ? QStringLiteral(".rar") : QStringLiteral(".ace");
    } else {
        // The Zip page's own estimate: both must agree on where three-digit
        // numbering starts.
        const float ratio = VolumeEstimate::volumeCount(job.sourceMegabytes(), job.archiveSizeStep());
        if (ratio > 999.0f) {
            m_ctx.services.messages->show(
                QCoreApplication::translate("RipRun", "Zavok error"),
                QCoreApplication::translate("RipRun", "Can't have more than 999 files in the set\rRaise the achive size, or choose a source with a smaller size"),
                MessageIcon::Stop);
            state.clearAfterRun();
            return Outcome::Ended;
        }
        state.threeDigitNumbering = VolumeEstimate::needsThreeDigits(ratio);
        if (!rar)
            state.archiveExtension = QStringLiteral(".ace");
        else
            state.archiveExtension = state.threeDigitNumbering ? QStringLiteral(".001") : QStringLiteral(".rar");
    }
    if (!job.archivesOnly() && checkExtraNames() == Outcome::Ended)
        return Outcome::Ended;
    if (!job.archivesOnly())
        return checkFloppyFit();
    return Outcome::Done;
}

RipRun::Outcome RipRun::checkFloppyFit()
{
    qint64 comment = 0;
    if (m_ctx.job.useZipComment())
        comment = std::min<qint64>(QFileInfo(AppDirectory::path() + QStringLiteral("/zcomment.ini")).size(),
                                   VolumePackager::kMaxCommentBytes);
    const auto warning = floppyfit::extraWarning(m_ctx.job, *m_ctx.services.drives, comment);
    if (!warning)
        return Outcome::Done;
    if (m_ctx.app.unattended()) {
        m_ctx.services.shell->tellWarning(warning->left(warning->indexOf(QLatin1Char('\r'))));
        return Outcome::Done;
    }
    const MessageResult answer = m_ctx.services.messages->show(QCoreApplication::translate("RipRun", "Zavok32"), *warning,
                                                               MessageIcon::Exclamation, MessageButtons::OkCancel);
    if (answer == MessageResult::Ok)
        return Outcome::Done;
    m_ctx.state.clearAfterRun();
    m_ctx.services.shell->showPage(PageId::Nfo);
    return Outcome::Ended;
}

void RipRun::finishProof(SetProof& proof)
{
    const QString fault = proof.writeChecksumFiles();
    if (!fault.isEmpty())
        throw RunFailure(fault, QCoreApplication::translate("RipRun", "Every ZIP of the set was made, but ") + fault
                                    + QCoreApplication::translate("RipRun", ".\rMake room in the ZIP folder or switch Options > Checksum files "
                                                     "off, then run the job again."));
    m_verdict = proof.verdictLine();
    m_ctx.view.wholeRun.verdict = m_verdict;
    m_ctx.view.wholeRun.recovery = m_ctx.state.recoveryText;
    if (!m_ctx.app.unattended())
        return;
    const QStringList left = proof.leftovers();
    if (!left.isEmpty())
        m_ctx.services.shell->tellWarning(
            QCoreApplication::translate("RipRun", "%1 in %2 %3 not of this set of %4 (left from an older set of the name; %5)")
                .arg(left.join(QStringLiteral(", ")), m_ctx.job.zipDirectory(),
                     left.size() == 1 ? QCoreApplication::translate("RipRun", "is") : QCoreApplication::translate("RipRun", "are"))
                .arg(proof.zips().size())
                .arg(m_ctx.app.checksumFiles ? proof.stem() + QCoreApplication::translate("RipRun", ".sfv lists the ZIPs of this one")
                                             : QCoreApplication::translate("RipRun", "delete them or move them away")));
}

RipRun::Outcome RipRun::checkJobFolders()
{
    const auto refusal = JobFolders(m_ctx.job, *m_ctx.services.drives).refusal();
    if (!refusal)
        return Outcome::Done;
    m_ctx.state.clearAfterRun();
    if (m_ctx.app.unattended()) {
        endUnattended(exitstatus::NotRun, refusal->message);
        return Outcome::Ended;
    }
    m_ctx.services.messages->show(errorTitle(), refusal->message, MessageIcon::Stop);
    m_ctx.services.shell->showPage(refusal->aboutExtra ? PageId::Nfo : PageId::Zip);
    return Outcome::Ended;
}

RipRun::Outcome RipRun::lockTheSet()
{
    const RipJob& job = m_ctx.job;
    const QString zipDir = job.zipDirectory();
    switch (m_lock.acquire(hostPath(zipDir), job.zipBaseName())) {
    case SetLock::Result::Locked:
        return Outcome::Done;
    case SetLock::Result::HeldElsewhere: {
        const QString message = runmessages::setInUse(zipDir, job.zipBaseName(), m_lock.holder());
        m_ctx.state.clearAfterRun();
        if (m_ctx.app.unattended()) {
            endUnattended(exitstatus::SetInUse, message);
            return Outcome::Ended;
        }
        m_ctx.services.messages->show(errorTitle(), message, MessageIcon::Stop);
        m_ctx.services.shell->showPage(PageId::Zip);
        m_ctx.services.shell->focus(FocusTarget::ZipName);
        return Outcome::Ended;
    }
    case SetLock::Result::Failed:
        break;
    }
    throw RunFailure(QCoreApplication::translate("RipRun", "cannot write in the ZIP folder %1: %2").arg(zipDir, m_lock.error()),
                     QCoreApplication::translate("RipRun", "Zavok32 cannot write in the ZIP folder %1 (%2).").arg(zipDir, m_lock.error())
                         + QCoreApplication::translate("RipRun", "\rChoose a folder you can write to on the Zip page, then run the job again."));
}

RipRun::Outcome RipRun::checkExtraNames()
{
    const RipJob& job = m_ctx.job;
    QList<ExtraNames::OwnName> own;
    own << ExtraNames::OwnName{QStringLiteral("file_id.diz"), QCoreApplication::translate("RipRun", "the description")};
    const QString nfo = job.nfoPath();
    const QString nfoName = nfo.mid(std::max(nfo.lastIndexOf(QLatin1Char('\\')), nfo.lastIndexOf(QLatin1Char('/'))) + 1);
    if (!nfoName.isEmpty())
        own << ExtraNames::OwnName{nfoName, QCoreApplication::translate("RipRun", "the information file")};
    // The real count is known only once the archiver has run; every name the
    // set could give a volume is its own.
    const int volumes = job.archiveSizeStep() == 0 ? 1 : kMaxVolumes;
    for (int n = 1; n <= volumes; ++n)
        own << ExtraNames::OwnName{m_ctx.steps.volumeFileName(n), QCoreApplication::translate("RipRun", "volume %1 of the set").arg(n)};

    const auto clash = ExtraNames::find(job, *m_ctx.services.drives, own);
    if (!clash)
        return Outcome::Done;
    const QString message = ExtraNames::message(job, *clash);
    m_ctx.state.clearAfterRun();
    if (m_ctx.app.unattended()) {
        endUnattended(exitstatus::NotRun, message);
        return Outcome::Ended;
    }
    m_ctx.services.messages->show(errorTitle(), message, MessageIcon::Stop);
    m_ctx.services.shell->showPage(PageId::Nfo);
    return Outcome::Ended;
}

void RipRun::endAfterFailedArchiver(const ProcessEnd& end, int volumes)
{
    // A set cut short is no set: none of it may reach a ZIP, and what was
    // written stays where the user is told it is.
    RipRunState& state = m_ctx.state;
    const QString workDos = state.workDirectory;
    const QString message = runmessages::archiverFailure(end, volumes, workDos, volumes ? hostPath(workDos) : QString(),
                                                   m_ctx.job.archivesOnly());
    m_ctx.view.run.status = QCoreApplication::translate("RipRun", "Aborted");
    m_ctx.view.run.progress = 0;
    m_ctx.view.run.zipName.clear();
    if (volumes == 0 && !m_ctx.job.archivesOnly())
        workdirectory::remove(m_ctx.state.workDirectory, *m_ctx.services.drives);
    if (!m_ctx.job.archivesOnly())
        tellWhatIsLeft(false);
    m_ctx.view.notify();
    putSourceTextBack();
    tellDesktop(firstLine(message));
    state.clearAfterRun();
    if (m_ctx.app.unattended()) {
        endUnattended(exitstatus::Stopped, message);
        return;
    }
    if (quiet())
        return;
    if (end.lastLines.isEmpty())
        m_ctx.services.messages->show(errorTitle(), message, MessageIcon::Stop);
    else
        m_ctx.services.messages->showDetailed(errorTitle(), message, end.lastLines.join(QLatin1Char('\n')), MessageIcon::Stop);
}

void RipRun::showCompletion()
{
    Shell& shell = *m_ctx.services.shell;
    if (m_ctx.app.soundsEnabled && m_ctx.services.sounds)
        m_ctx.services.sounds->play(QStringLiteral("rip.wav"), false);
    shell.minimiseMainWindow();
    shell.processPendingEvents();
    shell.setMainWindowEnabled(false);
    if (m_ctx.presenter) {
        RunReport report = RunReport::fromRun(m_ctx.job, m_ctx.state);
        report.verdict = m_verdict;
        m_ctx.presenter->showReport(report);
    }
    shell.showPage(PageId::Source);
    m_ctx.view.window.listBarEnabled = true;
    m_ctx.view.window.busyPointer = false;
    m_ctx.view.notify();
}

void RipRun::finishRun(bool nothingMade, const QString& why)
{
    RipRunState& state = m_ctx.state;
    Shell& shell = *m_ctx.services.shell;
    m_ctx.view.run.progress = 0;
    m_ctx.view.run.zipName.clear();
    m_ctx.view.notify();
    shell.processPendingEvents();
    if (!m_ctx.job.archivesOnly())
        workdirectory::remove(m_ctx.state.workDirectory, *m_ctx.services.drives);
    putSourceTextBack();
    state.clearAfterRun();
    shell.processPendingEvents();
    if (m_ctx.app.unattended()) {
        // A run that made nothing must not end as if it had worked.
        if (nothingMade) {
            endUnattended(exitstatus::Stopped,
                          why.isEmpty() ? QCoreApplication::translate("RipRun", "the archiver made no file in ") + state.workDirectory : why);
        } else {
            m_closing = true;
            shell.closeMainWindow();
        }
    }
}

RipRun::Outcome RipRun::refuse(PageId page, std::optional<FocusTarget> focus, const QString& reason,
                               const QString& notice)
{
    m_ctx.state.clearAfterRun();
    if (m_ctx.app.unattended()) {
        endUnattended(exitstatus::NotRun, reason);
        return Outcome::Ended;
    }
    m_ctx.services.shell->showPage(page);
    if (focus)
        m_ctx.services.shell->focus(*focus);
    if (!notice.isEmpty())
        PageNotices::setIfNone(m_ctx.view, page, notice);
    return Outcome::Ended;
}

void RipRun::endAfterFailedZipStep(const QString& reason, const QString& message)
{
    // Abort and Exit are the user's own doing.
    if (!m_stopRequested)
        tellDesktop(message.isEmpty() ? QCoreApplication::translate("RipRun", "A ZIP could not be made: ") + reason : firstLine(message));
    m_ctx.view.run.progress = 0;
    tellWhatIsLeft(true);
    if (!message.isEmpty())
        m_ctx.view.run.status = QCoreApplication::translate("RipRun", "Verify failed");
    putSourceTextBack();
    m_ctx.state.clearAfterRun();
    m_ctx.view.window.listBarEnabled = true;
    m_ctx.view.window.busyPointer = false;
    m_ctx.view.notify();
    if (m_ctx.app.unattended()) {
        endUnattended(exitstatus::Stopped, reason + QStringLiteral("; ") + m_left.line());
    } else if (!message.isEmpty()) {
        m_ctx.services.messages->show(errorTitle(), message, MessageIcon::Stop);
    }
}

void RipRun::endAfterUnexpectedFailure(const QString& reason, const QString& message)
{
    tellDesktop(firstLine(message.isEmpty() ? QCoreApplication::translate("RipRun", "Ripping error, check your *.zvk file") : message));
    Shell& shell = *m_ctx.services.shell;
    shell.restoreMainWindow();
    shell.repaintMainWindow();
    // A run with a journal leaves a work folder worth telling of.
    if (m_journal.active())
        tellWhatIsLeft(m_journal.journal().setWhole);
    m_ctx.view.window.listBarEnabled = true;
    m_ctx.view.window.busyPointer = false;
    putSourceTextBack();
    m_ctx.state.clearAfterRun();
    m_ctx.view.notify();
    if (!m_stopSignal)
        m_ctx.services.messages->show(QCoreApplication::translate("RipRun", "Zavok32"),
                                      message.isEmpty() ? QCoreApplication::translate("RipRun", "Ripping error, check your *.zvk file") : message,
                                      MessageIcon::Exclamation);
    if (m_ctx.app.unattended())
        endUnattended(exitstatus::Stopped, m_journal.active() ? reason + QStringLiteral("; ") + m_left.line() : reason);
}

QString RipRun::firstLine(const QString& message)
{
    return message.left(message.indexOf(QLatin1Char('\r')));
}

void RipRun::tellDesktop(const QString& failure)
{
    // A run refused by its checks never started: it took no time to speak of.
    const WholeRunView& whole = m_ctx.view.wholeRun;
    if (!m_ctx.services.notifier || !(whole.running || whole.finished))
        return;
    const RipJob& job = m_ctx.job;
    const bool away = m_userAway || !m_ctx.services.shell->programActive();
    const QString made = RunEndNotice::madeText(m_ctx.state.volumeCount, job.archivesOnly(), job.zipBaseName(),
                                                job.archivesOnly() ? m_ctx.state.workDirectory : job.zipDirectory());
    if (const auto text = RunEndNotice::forRun(m_progress.elapsedMs(), away, made, failure))
        m_ctx.services.notifier->notify(text->title, text->body);
}

void RipRun::putSourceTextBack()
{
    if (!m_ctx.state.sourceTextSaved)
        return;
    if (m_ctx.job.sourcePath() != m_ctx.state.savedSourceText)
        m_ctx.job.setSourcePath(m_ctx.state.savedSourceText);
}

void RipRun::endUnattended(int exitCode, const QString& reason)
{
    // A stop signal ends the program itself, with its own status and line.
    if (m_stopSignal)
        return;
    m_ctx.services.shell->endApplication(exitCode, reason);
}

void RipRun::tellWhatIsLeft(bool setWhole)
{
    const RipRunState& state = m_ctx.state;
    Leftovers left;
    left.workDos = state.workDirectory;
    left.workHost = m_ctx.services.drives->toHost(state.workDirectory).value_or(QString());
    left.setWhole = setWhole;
    left.zipCount = state.volumeCount;
    left.zipsDone = m_zipsMade;
    left.continuable = setWhole && m_journal.active() && m_journal.journal().setWhole && !m_journal.journal().setUnsound;
    left.zipDirectory = m_ctx.job.zipDirectory();
    left.unattended = m_ctx.app.unattended();
    if (!state.workDirectory.isEmpty())
        left.countWorkFolder();
    m_left = left;
    m_ctx.view.run.left = left.pageText();
}

bool RipRun::quiet() const
{
    return m_ctx.app.unattended() || m_stopSignal != 0;
}

bool RipRun::confirmClose()
{
    // Exit and Abort have stopped it already; an unattended run closes the
    // window itself at its end, and a user who closes it sooner stops it.
    if (!m_running || m_stopRequested || m_closing)
        return true;
    if (m_ctx.app.unattended()) {
        abortRun();
        return true;
    }
    const MessageResult answer = m_ctx.services.messages->show(QCoreApplication::translate("RipRun", "Zavok32"), runmessages::closeQuestion(),
                                                               MessageIcon::Question, MessageButtons::YesNo);
    if (answer != MessageResult::Yes)
        return false;
    abortRun();
    return true;
}

void RipRun::stopBySignal(int signal)
{
    if (!m_running)
        return;
    m_stopSignal = signal;
    abortRun();
}

void RipRun::endAfterStopSignal()
{
    const int signal = std::exchange(m_stopSignal, 0);
    const QString line = QCoreApplication::translate("RipRun", "stopped by %1: %2").arg(runmessages::signalName(signal), m_left.line());
    Shell& shell = *m_ctx.services.shell;
    shell.closeMainWindow();
    shell.endApplication(exitstatus::signalled(signal), line);
}

void RipRun::abortRun()
{
    m_stopRequested = true;
    if (m_ctx.services.zip)
        m_ctx.services.zip->setStop(true);
    m_ctx.view.window.listBarEnabled = true;
    m_ctx.view.window.busyPointer = false;
    putSourceTextBack();
    m_ctx.view.run.status = QCoreApplication::translate("RipRun", "Aborted");
    m_ctx.view.notify();
}

void RipRun::exitRun()
{
    abortRun();
    m_ctx.services.shell->closeMainWindow();
}
