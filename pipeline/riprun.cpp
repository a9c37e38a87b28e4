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
#include "pipeline/jobfolders.h"
#include "pipeline/recoverystep.h"
#include "pipeline/reportpresenter.h"
#include "pipeline/runendnotice.h"
#include "pipeline/runfailure.h"
#include "pipeline/runreport.h"
#include "pipeline/setproof.h"
#include "pipeline/volumepackager.h"
#include "platform/appdirectory.h"
#include "platform/desktopnotifier.h"
#include "platform/driveservice.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "platform/processrunner.h"
#include "platform/services.h"
#include "platform/soundplayer.h"
#include "platform/zipcomponent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString errorTitle()
{
    return QCoreApplication::translate("RipRun", "Zavok32 error");
}
// Work directories are looked for up to this number; a drive holding that
// many leftovers is not one to fill further.
constexpr int kMaxWorkDirectories = 99999;
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

QString RipRun::workDirectoryName(QChar drive, int number)
{
    return QString(drive) + QStringLiteral(":\\Zavok") + numbertext::zeroPadded(number, 3);
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
            RipRunState& state = m_ctx.state;
            Shell& shell = *m_ctx.services.shell;

            if (job.archiver() == Archiver::Ace)
                job.setArchiveCompression(3);
            const int level = zipLevelFor(job.zipCompression());
            if (level >= 0 && m_ctx.services.zip)
                m_ctx.services.zip->setCompressionLevel(level);
            m_ctx.steps.prepareArchiver();

            makeWorkDirectory();
            state.archivePath = state.workDirectory + QLatin1Char('\\') + job.zipBaseName() + state.archiveExtension;

            shell.minimiseMainWindow();
            shell.processPendingEvents();
            state.savedSourceText = job.sourcePath();
            state.sourceTextSaved = true;

            m_progress.start(qint64(double(job.sourceMegabytes()) * 1e6), job.archivesOnly());
            ProcessRunner* processes = m_ctx.services.processes;
            if (processes)
                processes->onPercent = [this](int percent) { m_progress.archiverPercent(percent); };
            const ProcessEnd archiver = m_ctx.steps.runArchiver();
            if (processes)
                processes->onPercent = nullptr;
            // Before the window comes back, which may take the focus itself.
            m_userAway = !shell.programActive();

            if (m_ctx.app.unattended())
                shell.showPage(PageId::Run);
            shell.restoreMainWindow();
            shell.repaintMainWindow();

            const int count = countVolumes();
            state.volumeCount = qint16(count);
            m_progress.archiverEnded(count, volumeBytes());
            // Cancelled before it wrote anything, the run simply did not happen.
            const bool cancelledEmpty = archiver.cancelled && count == 0;
            if (archiver.started() && !archiver.succeeded() && !cancelledEmpty) {
                endAfterFailedArchiver(archiver, count);
            } else if (count == 0) {
                m_ctx.view.run.status = QCoreApplication::translate("RipRun", "Aborted");
                m_ctx.view.notify();
                if (!archiver.started()) {
                    const QString message = archiverFailureMessage(archiver, 0, state.workDirectory, {}, job.archivesOnly());
                    if (!m_ctx.app.unattended())
                        m_ctx.services.messages->show(errorTitle(), message, MessageIcon::Stop);
                    finishRun(true, message);
                } else {
                    finishRun(true);
                }
            } else {
                bool packaged = true;
                if (job.archivesOnly()) {
                    m_ctx.view.run.counter = numbertext::signedDecimal(count)
                        + (job.archiver() == Archiver::Rar ? QCoreApplication::translate("RipRun", " Rar's") : QCoreApplication::translate("RipRun", " Ace's"));
                    m_ctx.view.notify();
                } else {
                    SetProof proof(m_ctx, m_stopRequested);
                    VolumePackager packager(m_ctx, m_stopRequested, &m_progress);
                    packager.setProof(&proof);
                    const VolumePackager::Result result = packager.packageVolumes();
                    const RecoveryStep::Result recovery = result.completed
                        ? RecoveryStep(m_ctx, m_stopRequested).writeRecoveryFiles(result.zips, proof.stem())
                        : RecoveryStep::Result{true, {}};
                    if (!result.completed || !recovery.completed) {
                        if (result.completed)
                            endAfterFailedZipStep(recovery.reason, {});
                        else
                            endAfterFailedZipStep(result.reason, result.message);
                        packaged = false;
                    } else {
                        for (const QString& file : recovery.files) {
                            if (const QString fault = proof.listAlso(file); !fault.isEmpty())
                                throw RunFailure(fault, QCoreApplication::translate("RipRun", "Every ZIP of the set was made, but ") + fault + QLatin1Char('.'));
                        }
                        finishProof(proof);
                    }
                }
                if (packaged) {
                    m_progress.finish();
                    tellDesktop({});
                    if (!m_ctx.app.unattended())
                        showCompletion();
                    finishRun(false);
                }
            }
        }
    } catch (const RunFailure& failure) {
        endAfterUnexpectedFailure(failure.reason(), failure.message());
    } catch (const std::exception& failure) {
        endAfterUnexpectedFailure(QString::fromLocal8Bit(failure.what()), {});
    }
    m_progress.end();
    m_lock.release();
    m_running = false;
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

    if (!job.archivesOnly() && lockTheSet() == Outcome::Ended)
        return Outcome::Ended;

    if (!m_ctx.app.unattended() && !job.archivesOnly()) {
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
    if (!job.archivesOnly() && checkJobFolders() == Outcome::Ended)
        return Outcome::Ended;
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
        const QString message = setInUseMessage(zipDir, job.zipBaseName(), m_lock.holder());
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

QString RipRun::setInUseMessage(const QString& zipDirectory, const QString& baseName, const QString& holder)
{
    return QCoreApplication::translate("RipRun", "Another run (%1) is writing the set %2 in %3.").arg(holder, baseName, zipDirectory)
           + QCoreApplication::translate("RipRun", "\rNothing was done. Wait until that run has ended, or choose another base name or ZIP folder.");
}

QString RipRun::archiverFailureMessage(const ProcessEnd& end, int volumes, const QString& workDos,
                                       const QString& workHost, bool archivesOnly)
{
    const QString archiver = QCoreApplication::translate("RipRun", "The archiver ") + end.shownName() + QLatin1Char(' ') + end.describe();
    if (!end.started())
        return archiver + QCoreApplication::translate("RipRun", ".\rPut it beside zavok32 or on the search path (PATH), then run the job again.");
    // The user who cancelled knows why; anyone else needs what it printed.
    const QString advice = end.cancelled ? QString()
        : !end.lastLines.isEmpty()
        ? QCoreApplication::translate("RipRun", "\rWhat it printed last is under Show Details and in its window; put that right, and run the job again.")
        : QCoreApplication::translate("RipRun", "\rWhat it printed is in the terminal or log zavok32 writes to; put that right, and run the job again.");
    if (volumes == 0)
        return archiver + QCoreApplication::translate("RipRun", " and wrote no volume.\rNothing was packaged.") + advice;
    const QString where = workDos + (workHost.isEmpty() ? QString() : QStringLiteral(" (") + workHost + QLatin1Char(')'));
    const QString count = volumes == 1 ? QCoreApplication::translate("RipRun", "The one volume") : QCoreApplication::translate("RipRun", "The %1 volumes").arg(volumes);
    return archiver + QCoreApplication::translate("RipRun", " before the set was complete.\r")
           + (archivesOnly ? QString() : QCoreApplication::translate("RipRun", "No ZIP was made. "))
           + count + QCoreApplication::translate("RipRun", " it wrote ") + (volumes == 1 ? QCoreApplication::translate("RipRun", "is") : QCoreApplication::translate("RipRun", "are"))
           + QCoreApplication::translate("RipRun", " in ") + where + QCoreApplication::translate("RipRun", "; they are not a whole set, so delete them.") + advice;
}

void RipRun::endAfterFailedArchiver(const ProcessEnd& end, int volumes)
{
    // A set cut short is no set: none of it may reach a ZIP, and what was
    // written stays where the user is told it is.
    RipRunState& state = m_ctx.state;
    const QString workDos = state.workDirectory;
    const QString message = archiverFailureMessage(end, volumes, workDos, volumes ? hostPath(workDos) : QString(),
                                                   m_ctx.job.archivesOnly());
    m_ctx.view.run.status = QCoreApplication::translate("RipRun", "Aborted");
    m_ctx.view.run.progress = 0;
    m_ctx.view.run.zipName.clear();
    m_ctx.view.notify();
    if (volumes == 0 && !m_ctx.job.archivesOnly())
        removeWorkDirectory();
    putSourceTextBack();
    tellDesktop(firstLine(message));
    state.clearAfterRun();
    if (m_ctx.app.unattended()) {
        endUnattended(exitstatus::Stopped, message);
        return;
    }
    if (end.lastLines.isEmpty())
        m_ctx.services.messages->show(errorTitle(), message, MessageIcon::Stop);
    else
        m_ctx.services.messages->showDetailed(errorTitle(), message, end.lastLines.join(QLatin1Char('\n')), MessageIcon::Stop);
}

void RipRun::makeWorkDirectory()
{
    const QChar drive = m_ctx.job.workDrive();
    for (int n = 1; n <= kMaxWorkDirectories; ++n) {
        const QString name = workDirectoryName(drive, n);
        if (m_ctx.services.drives->pathExists(name))
            continue;
        if (!QDir().mkdir(hostPath(name)))
            throw RunFailure(QCoreApplication::translate("RipRun", "cannot make the work directory ") + name);
        m_ctx.state.workDirectory = name;
        return;
    }
    throw RunFailure(QCoreApplication::translate("RipRun", "no free work directory name on drive ") + drive + QLatin1Char(':'));
}

int RipRun::countVolumes() const
{
    const QDir dir(hostPath(m_ctx.state.workDirectory));
    const qsizetype count = dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size();
    if (count > 32767)
        throw RunFailure(QCoreApplication::translate("RipRun", "the work directory holds %1 files; no set is that large").arg(count));
    return int(count);
}

qint64 RipRun::volumeBytes() const
{
    qint64 bytes = 0;
    const QDir dir(hostPath(m_ctx.state.workDirectory));
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        bytes += file.size();
    return bytes;
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

void RipRun::removeWorkDirectory()
{
    const QString work = m_ctx.state.workDirectory;
    if (!m_ctx.services.drives->pathExists(work))
        return;
    const QString host = hostPath(work);
    QDir::setCurrent(hostPath(work.left(2) + QLatin1Char('\\')));
    if (!QDir().rmdir(host))
        throw RunFailure(QCoreApplication::translate("RipRun", "the work directory %1 is not empty").arg(work));
    if (const auto c = m_ctx.services.drives->toHost(QStringLiteral("c:\\")))
        QDir::setCurrent(*c);
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
        removeWorkDirectory();
    putSourceTextBack();
    state.clearAfterRun();
    shell.processPendingEvents();
    if (m_ctx.app.unattended()) {
        // A run that made nothing must not end as if it had worked.
        if (nothingMade)
            endUnattended(exitstatus::Stopped,
                          why.isEmpty() ? QCoreApplication::translate("RipRun", "the archiver made no file in ") + state.workDirectory : why);
        else
            shell.closeMainWindow();
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
    if (!message.isEmpty())
        m_ctx.view.run.status = QCoreApplication::translate("RipRun", "Verify failed");
    putSourceTextBack();
    m_ctx.state.clearAfterRun();
    m_ctx.view.window.listBarEnabled = true;
    m_ctx.view.window.busyPointer = false;
    m_ctx.view.notify();
    if (m_ctx.app.unattended()) {
        endUnattended(exitstatus::Stopped, reason);
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
    m_ctx.view.window.listBarEnabled = true;
    m_ctx.view.window.busyPointer = false;
    putSourceTextBack();
    m_ctx.state.clearAfterRun();
    m_ctx.view.notify();
    m_ctx.services.messages->show(QCoreApplication::translate("RipRun", "Zavok32"),
                                  message.isEmpty() ? QCoreApplication::translate("RipRun", "Ripping error, check your *.zvk file") : message,
                                  MessageIcon::Exclamation);
    if (m_ctx.app.unattended())
        endUnattended(exitstatus::Stopped, reason);
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
    m_ctx.services.shell->endApplication(exitCode, reason);
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
