#include "pipeline/riprun.h"

#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "job/volumeestimate.h"
#include "pipeline/reportpresenter.h"
#include "pipeline/runfailure.h"
#include "pipeline/runreport.h"
#include "pipeline/volumepackager.h"
#include "platform/driveservice.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "platform/services.h"
#include "platform/soundplayer.h"
#include "platform/zipcomponent.h"

#include <QDir>

namespace {

const QString kErrorTitle = QStringLiteral("Zavok32 error");
// Work directories are looked for up to this number; a drive holding that
// many leftovers is not one to fill further.
constexpr int kMaxWorkDirectories = 99999;
constexpr int kExitFailed = 1;

} // namespace

RipRun::RipRun(RunContext context)
    : m_ctx(std::move(context))
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
        throw RunFailure(QStringLiteral("no drive for ") + dosPath);
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

            m_ctx.steps.runArchiver();

            if (m_ctx.app.unattended())
                shell.showPage(PageId::Run);
            shell.restoreMainWindow();
            shell.repaintMainWindow();

            const int count = countVolumes();
            state.volumeCount = qint16(count);
            if (count == 0) {
                m_ctx.view.run.status = QStringLiteral("Aborted");
                m_ctx.view.notify();
                finishRun(true);
            } else {
                bool packaged = true;
                if (job.archivesOnly()) {
                    m_ctx.view.run.counter = numbertext::signedDecimal(count)
                        + (job.archiver() == Archiver::Rar ? QStringLiteral(" Rar's") : QStringLiteral(" Ace's"));
                    m_ctx.view.notify();
                } else {
                    const VolumePackager::Result result = VolumePackager(m_ctx, m_stopRequested).packageVolumes();
                    if (!result.completed) {
                        endAfterFailedZipStep(result.reason);
                        packaged = false;
                    }
                }
                if (packaged) {
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
            return refuse(PageId::Source, QStringLiteral("no source is chosen"));
        if (job.dizPath().isEmpty())
            return refuse(PageId::Diz, QStringLiteral("no description file (file_id.diz) is chosen"));
        if (job.autoNumbering() && job.dizColumn().isEmpty())
            return refuse(PageId::Diz, FocusTarget::DizColumn, QStringLiteral("numbering is on but no column is given"));
        if (job.autoNumbering() && job.dizLine().isEmpty())
            return refuse(PageId::Diz, FocusTarget::DizLine, QStringLiteral("numbering is on but no line is given"));
        if (job.nfoPath().isEmpty())
            return refuse(PageId::Nfo, QStringLiteral("no information file (.nfo) is chosen"));
        if (job.zipDirectory().isEmpty())
            return refuse(PageId::Zip, QStringLiteral("no ZIP directory is chosen"));
    }

    if (job.zipBaseName().isEmpty())
        return refuse(PageId::Zip, FocusTarget::ZipName, QStringLiteral("the base name is empty"));
    QString refusal;
    if (job.zipBaseName().contains(QLatin1Char(' ')))
        refusal = QStringLiteral("Spaces aren't allowed in filename");
    else if (m_ctx.steps.baseNameRefusal)
        refusal = m_ctx.steps.baseNameRefusal(job.zipBaseName());
    if (!refusal.isEmpty()) {
        if (!m_ctx.app.unattended())
            m_ctx.services.messages->show(kErrorTitle, refusal, MessageIcon::Exclamation);
        return refuse(PageId::Zip, FocusTarget::ZipName, QStringLiteral("the base name \"%1\" cannot name a file").arg(job.zipBaseName()));
    }
    job.setZipBaseName(job.zipBaseName().toLower());

    if (!m_ctx.app.unattended() && !job.archivesOnly()) {
        const QString dir = job.zipDirectory();
        const QString pattern = dir + (dir.endsWith(QLatin1Char('\\')) ? QString() : QStringLiteral("\\")) + job.zipBaseName() + QLatin1Char('*');
        if (m_ctx.services.drives->fileExists(pattern)) {
            const MessageResult answer = m_ctx.services.messages->show(
                kErrorTitle, QStringLiteral("Duplicate zip name in zip directory\nadd to it?"),
                MessageIcon::Exclamation, MessageButtons::OkCancel);
            if (answer == MessageResult::Cancel)
                return refuse(PageId::Zip, FocusTarget::ZipName, QStringLiteral("the ZIP name is taken"));
        }
    }

    if (!job.archivesOnly() && job.autoNumbering()) {
        m_ctx.steps.checkDizNumbering();
        if (!state.numberingChecked) {
            state.clearAfterRun();
            if (m_ctx.app.unattended())
                endUnattended(kExitFailed, QStringLiteral("the numbering line or column does not fit the description file"));
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
                QStringLiteral("Zavok error"),
                QStringLiteral("Can't have more than 999 files in the set\rRaise the achive size, or choose a source with a smaller size"),
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
    return Outcome::Done;
}

void RipRun::makeWorkDirectory()
{
    const QChar drive = m_ctx.job.workDrive();
    for (int n = 1; n <= kMaxWorkDirectories; ++n) {
        const QString name = workDirectoryName(drive, n);
        if (m_ctx.services.drives->pathExists(name))
            continue;
        if (!QDir().mkdir(hostPath(name)))
            throw RunFailure(QStringLiteral("cannot make the work directory ") + name);
        m_ctx.state.workDirectory = name;
        return;
    }
    throw RunFailure(QStringLiteral("no free work directory name on drive ") + drive + QLatin1Char(':'));
}

int RipRun::countVolumes() const
{
    const QDir dir(hostPath(m_ctx.state.workDirectory));
    const qsizetype count = dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size();
    if (count > 32767)
        throw RunFailure(QStringLiteral("the work directory holds %1 files; no set is that large").arg(count));
    return int(count);
}

void RipRun::showCompletion()
{
    Shell& shell = *m_ctx.services.shell;
    if (m_ctx.app.soundsEnabled && m_ctx.services.sounds)
        m_ctx.services.sounds->play(QStringLiteral("rip.wav"), false);
    shell.minimiseMainWindow();
    shell.processPendingEvents();
    shell.setMainWindowEnabled(false);
    if (m_ctx.presenter)
        m_ctx.presenter->showReport(RunReport::fromRun(m_ctx.job, m_ctx.state));
    shell.showPage(PageId::Source);
    m_ctx.view.window.listBarEnabled = true;
    m_ctx.view.window.busyPointer = false;
    m_ctx.view.notify();
}

void RipRun::finishRun(bool nothingMade)
{
    RipRunState& state = m_ctx.state;
    Shell& shell = *m_ctx.services.shell;
    m_ctx.view.run.progress = 0;
    m_ctx.view.run.zipName.clear();
    m_ctx.view.notify();
    shell.processPendingEvents();
    if (!m_ctx.job.archivesOnly() && m_ctx.services.drives->pathExists(state.workDirectory)) {
        const QString host = hostPath(state.workDirectory);
        QDir::setCurrent(hostPath(state.workDirectory.left(2) + QLatin1Char('\\')));
        if (!QDir().rmdir(host))
            throw RunFailure(QStringLiteral("the work directory %1 is not empty").arg(state.workDirectory));
        if (const auto c = m_ctx.services.drives->toHost(QStringLiteral("c:\\")))
            QDir::setCurrent(*c);
    }
    putSourceTextBack();
    state.clearAfterRun();
    shell.processPendingEvents();
    if (m_ctx.app.unattended()) {
        // A run that made nothing must not end as if it had worked.
        if (nothingMade)
            endUnattended(kExitFailed, QStringLiteral("the archiver made no file in ") + state.workDirectory);
        else
            shell.closeMainWindow();
    }
}

RipRun::Outcome RipRun::refuse(PageId page, const QString& reason)
{
    m_ctx.state.clearAfterRun();
    if (m_ctx.app.unattended()) {
        endUnattended(kExitFailed, reason);
        return Outcome::Ended;
    }
    m_ctx.services.shell->showPage(page);
    return Outcome::Ended;
}

RipRun::Outcome RipRun::refuse(PageId page, FocusTarget focus, const QString& reason)
{
    m_ctx.state.clearAfterRun();
    if (m_ctx.app.unattended()) {
        endUnattended(kExitFailed, reason);
        return Outcome::Ended;
    }
    m_ctx.services.shell->showPage(page);
    m_ctx.services.shell->focus(focus);
    return Outcome::Ended;
}

void RipRun::endAfterFailedZipStep(const QString& reason)
{
    m_ctx.view.run.progress = 0;
    putSourceTextBack();
    m_ctx.state.clearAfterRun();
    m_ctx.view.window.listBarEnabled = true;
    m_ctx.view.window.busyPointer = false;
    m_ctx.view.notify();
    if (m_ctx.app.unattended())
        endUnattended(kExitFailed, reason);
}

void RipRun::endAfterUnexpectedFailure(const QString& reason, const QString& message)
{
    Shell& shell = *m_ctx.services.shell;
    shell.restoreMainWindow();
    shell.repaintMainWindow();
    m_ctx.view.window.listBarEnabled = true;
    m_ctx.view.window.busyPointer = false;
    putSourceTextBack();
    m_ctx.state.clearAfterRun();
    m_ctx.view.notify();
    m_ctx.services.messages->show(QStringLiteral("Zavok32"),
                                  message.isEmpty() ? QStringLiteral("Ripping error, check your *.zvk file") : message,
                                  MessageIcon::Exclamation);
    if (m_ctx.app.unattended())
        endUnattended(kExitFailed, reason);
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
    m_ctx.view.run.status = QStringLiteral("Aborted");
    m_ctx.view.notify();
}

void RipRun::exitRun()
{
    abortRun();
    m_ctx.services.shell->closeMainWindow();
}
