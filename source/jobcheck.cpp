#include "source/jobcheck.h"

#include "job/appstate.h"
#include "job/exitstatus.h"
#include "job/pagenotices.h"
#include "job/ripjob.h"
#include "platform/driveservice.h"
#include "platform/messagebox.h"
#include "platform/services.h"
#include "platform/shell.h"

#include <QCoreApplication>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kExitCheckFailed = exitstatus::NotRun;

QString joined(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('\\')) ? folder + name : folder + QLatin1Char('\\') + name;
}

} // namespace

JobCheck::JobCheck(RipJob& job, AppState& app, Services& services, ViewState* view)
    : m_job(job)
    , m_app(app)
    , m_services(services)
    , m_view(view)
{
}

bool JobCheck::isForbiddenInFileName(QChar c)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    return forbidden.contains(c) || c.category() == QChar::Other_Control;
}

QString JobCheck::baseNameRefusal(const QString& baseName)
{
    if (baseName.contains(QLatin1Char(' ')))
        return spacesText();
    for (const QChar c : baseName) {
        if (isForbiddenInFileName(c))
            return charactersText();
    }
    return {};
}

void JobCheck::checkJob()
{
    m_job.setReadyToRun(false);
    if (m_view)
        PageNotices::clearAll(*m_view);
    if (!sourceExists())
        return;
    if (!m_job.archivesOnly()) {
        checkSkipEntries();
        if (!checkContents())
            return;
    }
    if (!checkBaseName())
        return;
    if (m_job.autoNumbering() && checkDizNumbering && !checkDizNumbering()) {
        showProblem(PageId::Diz, PageNotices::numberingText());
        return;
    }
    m_job.setReadyToRun(true);
}

bool JobCheck::sourceExists()
{
    if (m_job.sourcePath().isEmpty()) {
        m_job.setSkipEntries(QString());
        showProblem(PageId::Source, PageNotices::noSourceText());
        return false;
    }
    if (!m_services.drives->pathExists(m_job.sourcePath())) {
        const QString gone = m_job.sourcePath();
        m_job.setSourcePath(QString());
        m_job.setSkipEntries(QString());
        showProblem(PageId::Source, PageNotices::sourceGoneText(gone));
        return false;
    }
    return true;
}

void JobCheck::checkSkipEntries()
{
    // A single entry without its line break has never been tested; nor is an
    // empty list.
    const QString text = m_job.skipEntries();
    const qsizetype lineCount = text.count(kCrLf) + 1;
    if (lineCount < 2)
        return;

    m_job.setSkipEntries(QString());
    // The list is handed to the job as it grows only when a message is about
    // to show it; a page redraw per entry made long lists take minutes.
    QString kept;
    const QStringList lines = (text + kCrLf).split(kCrLf).mid(0, lineCount);
    for (const QString& entry : lines) {
        if (entry.isEmpty())
            break;
        const QString fullPath = joined(m_job.sourcePath(), entry);
        if (skipItemExists(entry, fullPath)) {
            kept += entry + kCrLf;
            continue;
        }
        m_job.setSkipEntries(kept);
        if (entry.endsWith(QLatin1Char('*')))
            dropSkipEntry(fullPath + QCoreApplication::translate("JobCheck", " skip folder not found"));
        else
            dropSkipEntry(fullPath + QCoreApplication::translate("JobCheck", " skip file not found"));
    }
    m_job.setSkipEntries(kept);
}

bool JobCheck::skipItemExists(const QString& entry, const QString& fullPath) const
{
    const DriveService& drives = *m_services.drives;
    if (!entry.endsWith(QLatin1Char('*')))
        return drives.fileExists(fullPath);
    if (drives.pathExists(fullPath))
        return true;
    // "extras\*.*" names a folder to leave out even when it is empty, where
    // the pattern has no entry to match.
    const qsizetype slash = fullPath.lastIndexOf(QLatin1Char('\\'));
    const QString pattern = fullPath.mid(slash + 1);
    if (slash < 0 || (pattern != QLatin1String("*.*") && pattern != QLatin1String("*")))
        return false;
    const QString folder = fullPath.left(slash);
    return drives.pathExists(folder) && !drives.fileExists(folder);
}

void JobCheck::dropSkipEntry(const QString& text)
{
    m_services.shell->showPage(PageId::Skip);
    m_services.shell->processPendingEvents();
    // The user has to see the list change, so a plain unattended launch
    // waits for a person from here on; a dated one goes on.
    if (m_app.launchMode == LaunchMode::AutoRun)
        m_app.launchMode = LaunchMode::Interactive;
    m_services.messages->show(QCoreApplication::translate("JobCheck", "Zavok error"), text, MessageIcon::Exclamation);
}

bool JobCheck::checkContents()
{
    const DriveService& drives = *m_services.drives;
    Shell& shell = *m_services.shell;
    // A file that went missing is named in the notice of its page.
    const QString diz = m_job.dizPath();
    const QString nfo = m_job.nfoPath();
    if (!drives.fileExists(diz))
        m_job.setDizPath(QString());
    if (!drives.fileExists(nfo))
        m_job.setNfoPath(QString());

    if (m_job.dizPath().isEmpty()) {
        showProblem(PageId::Diz, diz.isEmpty() ? PageNotices::noDescriptionText() : PageNotices::descriptionGoneText(diz));
        return false;
    }
    if (m_job.autoNumbering()) {
        if (m_job.dizColumn().isEmpty()) {
            if (m_app.unattended()) {
                endUnattended(QCoreApplication::translate("JobCheck", "The script numbers the description but gives no column to write the number at."));
                return false;
            }
            showProblem(PageId::Diz, PageNotices::noColumnText());
            shell.focus(FocusTarget::DizColumn);
            return false;
        }
        if (m_job.dizLine().isEmpty()) {
            if (m_app.unattended()) {
                endUnattended(QCoreApplication::translate("JobCheck", "The script numbers the description but gives no line to write the number on."));
                return false;
            }
            showProblem(PageId::Diz, PageNotices::noLineText());
            shell.focus(FocusTarget::DizLine);
            return false;
        }
    }
    if (m_job.nfoPath().isEmpty()) {
        showProblem(PageId::Nfo, nfo.isEmpty() ? PageNotices::noInformationText() : PageNotices::informationGoneText(nfo));
        return false;
    }
    if (!m_job.extraPath().isEmpty()) {
        const bool missing = (m_job.extraChoice() == ExtraChoice::File && !drives.fileExists(m_job.extraPath()))
            || (m_job.extraChoice() == ExtraChoice::Directory && !drives.pathExists(m_job.extraPath()));
        if (missing) {
            const QString extra = m_job.extraPath();
            m_job.setExtraPath(QString());
            showProblem(PageId::Nfo, PageNotices::extraGoneText(extra));
            return false;
        }
    }
    if (m_job.zipDirectory().isEmpty()) {
        showProblem(PageId::Zip, PageNotices::noZipFolderText());
        return false;
    }
    if (!drives.pathExists(m_job.zipDirectory())) {
        const QString gone = m_job.zipDirectory();
        m_job.setZipDirectory(QString());
        showProblem(PageId::Zip, PageNotices::zipFolderGoneText(gone));
        return false;
    }
    return true;
}

bool JobCheck::checkBaseName()
{
    Shell& shell = *m_services.shell;
    if (m_job.zipBaseName().isEmpty()) {
        showProblem(PageId::Zip, PageNotices::noBaseNameText());
        shell.focus(FocusTarget::ZipName);
        return false;
    }
    const QString refusal = baseNameRefusal(m_job.zipBaseName());
    if (refusal.isEmpty())
        return true;
    if (m_app.unattended())
        return false;
    m_services.messages->show(QCoreApplication::translate("JobCheck", "Zavok32 error"), refusal, MessageIcon::Exclamation);
    m_job.setZipBaseName(QString());
    shell.showPage(PageId::Zip);
    shell.focus(FocusTarget::ZipName);
    return false;
}

void JobCheck::showProblem(PageId page, const QString& notice)
{
    m_services.shell->showPage(page);
    if (m_view)
        PageNotices::set(*m_view, page, notice);
}

void JobCheck::endUnattended(const QString& reason)
{
    m_services.shell->endApplication(kExitCheckFailed, reason);
}
