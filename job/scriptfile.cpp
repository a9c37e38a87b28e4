#include "job/scriptfile.h"

#include "job/appstate.h"
#include "job/captions.h"
#include "job/ripjob.h"
#include "job/scriptreader.h"
#include "job/viewstate.h"
#include "platform/clock.h"
#include "platform/driveservice.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "platform/services.h"
#include "platform/textfile.h"

#include <algorithm>

#include <QCoreApplication>

namespace {

QString scriptFilter()
{
    return QCoreApplication::translate("ScriptFile", "Script (*.zvk)|*.zvk|");
}

const QString kCrLf = QStringLiteral("\r\n");

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString afterLastBackslash(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
}

} // namespace

ScriptFile::ScriptFile(RipJob& job, ViewState& view, const AppState& app, Services& services, QString appDirHost)
    : m_job(job)
    , m_view(view)
    , m_app(app)
    , m_services(services)
    , m_appDirHost(std::move(appDirHost))
{
}

QString ScriptFile::scriptText(const RipJob& job, const QDateTime& at)
{
    using numbertext::signedDecimal;
    QString text;
    text += QStringLiteral("Zavok32 script - ") + at.toString(QStringLiteral("MM-dd-yyyy  HH:mm:ss")) + kCrLf;
    text += QStringLiteral("Source: ") + job.sourcePath() + kCrLf;
    // Every entry already ends with CR LF; one more gives the closing empty line.
    text += QStringLiteral("Skip: ") + kCrLf + job.skipEntries() + kCrLf;
    text += QStringLiteral("Diz: ") + job.dizPath() + kCrLf;
    text += QStringLiteral("AutoN: ") + boolText(job.autoNumbering()) + kCrLf;
    text += QStringLiteral("Col: ") + job.dizColumn() + kCrLf;
    text += QStringLiteral("Lin: ") + job.dizLine() + kCrLf;
    text += QStringLiteral("Nfo: ") + job.nfoPath() + kCrLf;
    text += QStringLiteral(" 1st:") + signedDecimal(job.firstZipOnly()) + kCrLf;
    text += QStringLiteral(" File:") + boolText(job.extraIsFile()) + kCrLf;
    text += QStringLiteral(" Extra:") + job.extraPath() + kCrLf;
    text += QStringLiteral("Zip: ") + job.zipDirectory() + kCrLf;
    text += QStringLiteral(" name:") + job.zipBaseName() + kCrLf;
    text += QStringLiteral(" Size:") + signedDecimal(job.archiveSizeStep()) + kCrLf;
    text += QStringLiteral(" Solid:") + signedDecimal(job.archiveCompression()) + kCrLf;
    text += QStringLiteral(" Extra:") + signedDecimal(job.zipCompression()) + kCrLf;
    text += job.zipCommentPath().toLower() + kCrLf;
    return text;
}

QString ScriptFile::withScriptExtension(const QString& path)
{
    const QString name = path.mid(std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/'))) + 1);
    if (name.isEmpty() || name.contains(QLatin1Char('.')))
        return path;
    return path + QStringLiteral(".zvk");
}

QString ScriptFile::replaceQuestion(const QString& path)
{
    return path + QCoreApplication::translate("ScriptFile", " already exists.") + kCrLf + QCoreApplication::translate("ScriptFile", "Replace it?");
}

void ScriptFile::saveScript()
{
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = QCoreApplication::translate("ScriptFile", "Save script");
    request.filter = scriptFilter();
    request.initialDir = scriptsDirectory();
    request.fileName = QStringLiteral("*.zvk");
    const auto chosen = m_services.fileDialog->ask(request);
    if (!chosen)
        return;
    const QString path = withScriptExtension(chosen->toLower());
    if (path.isEmpty())
        return;
    // The dialog itself neither adds the extension nor asks: a name typed
    // bare would not show in the Open dialog, and a script replaced unasked
    // is lost.
    if (m_services.drives->fileExists(path)
        && m_services.messages->show(QCoreApplication::translate("ScriptFile", "Zavok32"), replaceQuestion(path), MessageIcon::Exclamation,
                                     MessageButtons::OkCancel)
            == MessageResult::Cancel)
        return;
    m_job.setScriptPath(path);

    // A script that could not be written must not look saved: say so, and
    // leave any earlier file under that name as it was.
    QString reason;
    const auto host = m_services.drives->toHost(path);
    if (!host)
        reason = QCoreApplication::translate("ScriptFile", "The drive of this path is not available.");
    else if (!TextFile::writeText(*host, scriptText(m_job, m_services.clock->now()), &reason) && reason.isEmpty())
        reason = QCoreApplication::translate("ScriptFile", "The file could not be written.");
    if (!reason.isEmpty()) {
        m_services.messages->show(QCoreApplication::translate("ScriptFile", "Zavok32 error"),
                                  QCoreApplication::translate("ScriptFile", "The script could not be saved as ") + path + kCrLf + reason + kCrLf
                                      + QCoreApplication::translate("ScriptFile", "Choose another folder or free some space, then save again."),
                                  MessageIcon::Stop);
        return;
    }
    setCaptionFrom(path);
}

void ScriptFile::openScript()
{
    clearForOpen();

    FileDialogRequest request;
    request.title = QCoreApplication::translate("ScriptFile", "Open script");
    request.filter = scriptFilter();
    request.filterIndex = 1;
    request.initialDir = scriptsDirectory();
    request.fileName = QStringLiteral("*.zvk");
    const auto chosen = m_services.fileDialog->ask(request);
    if (!chosen) {
        m_job.setReadyToRun(false);
        return;
    }
    openChosen(*chosen);
}

void ScriptFile::openScriptFile(const QString& dosPath)
{
    clearForOpen();
    openChosen(dosPath);
}

void ScriptFile::clearForOpen()
{
    m_job.setReadyToRun(false);
    m_job.setSkipEntries(QString());
    if (setImageMode) {
        setImageMode(false);
    } else {
        m_job.setSourcePath(QString());
        m_job.setSourceMegabytes(0.0f);
        m_job.setImageMode(false);
        m_job.setArchivesOnly(false);
        m_job.setArchiveSizeStep(3);
    }
}

void ScriptFile::openChosen(const QString& chosen)
{
    const QString path = chosen.toLower();
    if (path.isEmpty())
        return;
    m_job.setScriptPath(path);
    setCaptionFrom(path);

    read(false);
    if (checkJob)
        checkJob();
    if (measureSource)
        measureSource();

    const auto freeBytes = m_services.drives->driveFreeBytes(m_job.zipDirectory().left(1));
    if (!freeBytes) {
        m_job.setReadyToRun(false);
        return;
    }
    m_view.zip.freeSpaceCaption = captions::zipFreeSpace(*freeBytes);
    m_view.notify();
}

void ScriptFile::readScript()
{
    read(true);
}

void ScriptFile::read(bool atStart)
{
    ScriptReader reader(m_job, m_app, m_services, m_appDirHost);
    reader.onSizeStepChanged = onSizeStepChanged;
    reader.readScript(atStart ? ScriptReader::Occasion::Start : ScriptReader::Occasion::Menu);
    if (scriptRead)
        scriptRead();
}

QString ScriptFile::scriptsDirectory() const
{
    const auto dos = m_services.drives->toDos(m_appDirHost);
    return dos ? *dos + QStringLiteral("\\Scripts") : QString();
}

void ScriptFile::setCaptionFrom(const QString& path)
{
    m_view.window.caption = QStringLiteral("Zavok32 - ") + afterLastBackslash(path).toLower();
    m_view.notify();
}
