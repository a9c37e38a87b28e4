#include "app/startup.h"

#include "job/captions.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "platform/driveservice.h"
#include "platform/fileops.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/textfile.h"
#include "ui/appfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <stdexcept>

namespace {

bool isDosPath(const QString& text)
{
    return text.size() >= 2 && text.at(1) == QLatin1Char(':') && text.at(0).isLetter();
}

} // namespace

Startup::Startup(RipJob& job, RipRunState& runState, ViewState& view, AppState& app, Services& services,
                 QString appDirHost)
    : m_job(job)
    , m_runState(runState)
    , m_view(view)
    , m_app(app)
    , m_services(services)
    , m_appDirHost(std::move(appDirHost))
{
}

CommandLine Startup::parseCommandLine(const QString& tail)
{
    if (tail.startsWith(QLatin1Char('$')))
        return {LaunchMode::AutoRunDated, tail.mid(1)};
    if (tail.startsWith(QLatin1Char('!')))
        return {LaunchMode::AutoRun, tail.mid(1)};
    return {LaunchMode::Interactive, tail};
}

QString Startup::absoluteScriptArgument(const QString& tail)
{
    if (tail.isEmpty() || parseCommandLine(tail).mode != LaunchMode::Interactive || isDosPath(tail)
        || tail.startsWith(QLatin1Char('"')))
        return tail;
    return QFileInfo(tail).absoluteFilePath();
}

QString Startup::freeSpaceLabel(qint64 freeBytes)
{
    if (freeBytes < 2000000)
        return QCoreApplication::translate("Startup", "Free space on\rless than 2 Meg.");
    return QCoreApplication::translate("Startup", "Free space on\r") + numbertext::signedDecimal(captions::wholeMegabytes(freeBytes))
        + QCoreApplication::translate("Startup", " Meg.");
}

QString Startup::commandLineToDos(const QString& tail) const
{
    if (tail.isEmpty())
        return tail;
    QString prefix;
    QString path = tail;
    if (tail.startsWith(QLatin1Char('$')) || tail.startsWith(QLatin1Char('!'))) {
        prefix = tail.left(1);
        path = tail.mid(1);
    }
    if (path.isEmpty() || isDosPath(path) || path.startsWith(QLatin1Char('"')))
        return tail;
    const auto dos = m_services.drives->toDos(QFileInfo(path).absoluteFilePath());
    return dos ? prefix + *dos : tail;
}

bool Startup::isDriveRoot() const
{
    const QString dir = QDir::cleanPath(m_appDirHost);
    if (dir == QLatin1String("/"))
        return true;
    const auto dos = m_services.drives->toDos(dir);
    return dos && dos->endsWith(QLatin1Char('\\'));
}

void Startup::call(const std::function<void()>& hook)
{
    if (hook)
        hook();
}

bool Startup::defaultSelectWorkDrive(QChar letter)
{
    letter = letter.toLower();
    if (!m_services.drives->driveLetters().contains(letter))
        return false;
    return m_services.drives->driveFreeBytes(QString(letter)).has_value();
}

void Startup::pickWorkDrive()
{
    const auto select = [this](QChar letter) {
        return selectWorkDrive ? selectWorkDrive(letter) : defaultSelectWorkDrive(letter);
    };
    QChar chosen = QLatin1Char('c');
    const QString ini = appfiles::find(m_appDirHost, QStringLiteral("Drive1.ini"));
    if (QFileInfo::exists(ini)) {
        const auto lines = TextFile::readLines(ini);
        const QString field = lines && !lines->isEmpty() ? lines->first().section(QLatin1Char(','), 0, 0) : QString();
        if (!field.isEmpty() && select(field.at(0)))
            chosen = field.at(0).toLower();
        else
            select(chosen);
    } else {
        select(chosen);
    }
    m_job.setWorkDrive(chosen);
}

void Startup::showWorkDriveFreeSpace()
{
    const auto free = m_services.drives->driveFreeBytes(QString(m_job.workDrive()));
    if (!free)
        throw std::runtime_error("the work drive cannot be read");
    m_view.source.freeSpaceLabel = freeSpaceLabel(*free);
    m_view.notify();
}

Startup::Outcome Startup::load(const QString& commandLineTail)
{
    if (m_services.shell)
        m_services.shell->showPage(PageId::Source);
    if (isDriveRoot()) {
        m_services.messages->show(QCoreApplication::translate("Startup", "Zavok32 error"),
                                  QCoreApplication::translate("Startup", "Zavok32 can not be run from\r\na root directory, please reinstall."),
                                  MessageIcon::Stop);
        return Outcome::Refused;
    }
    call(closeAboutWindow);
    pickWorkDrive();

    const QString tail = commandLineToDos(commandLineTail);
    Outcome outcome;
    try {
        outcome = loadFromFreeSpace(tail);
    } catch (const std::exception&) {
        // Whatever went wrong with the remembered drive or the script, the
        // window comes up on drive c with what was loaded so far.
        if (!selectWorkDrive || !selectWorkDrive(QLatin1Char('c')))
            defaultSelectWorkDrive(QLatin1Char('c'));
        m_job.setWorkDrive(QLatin1Char('c'));
        try {
            outcome = loadFromFreeSpace(QString());
        } catch (const std::exception&) {
            outcome = Outcome::Waiting;
        }
    }
    if (outcome != Outcome::Waiting && outcome != Outcome::HandedToUser)
        return outcome;

    call(showMainWindow);
    call(loadSoundSwitch);
    call(markSourceItem);
    appfiles::ensureFolder(m_appDirHost, QStringLiteral("Scripts"));
    return outcome;
}

Startup::Outcome Startup::loadFromFreeSpace(const QString& tail)
{
    showWorkDriveFreeSpace();
    m_job.setArchiveCompression(3);
    m_job.setZipCompression(3);
    appfiles::ensureFolder(m_appDirHost, QStringLiteral("temp"));
    if (appfiles::exists(m_appDirHost, QStringLiteral("zcom1.ini")))
        m_job.setUseZipComment(true);

    const CommandLine commandLine = parseCommandLine(tail);
    m_app.launchMode = commandLine.mode;
    const bool askedUnattended = m_app.unattended();
    if (tail.isEmpty())
        return Outcome::Waiting;

    call(closeAboutWindow);
    m_job.setScriptPath(commandLine.scriptPath);
    const QString name = commandLine.scriptPath.mid(commandLine.scriptPath.lastIndexOf(QLatin1Char('\\')) + 1);
    m_view.window.caption = QStringLiteral("Zavok32 - ") + name.toLower();
    m_view.notify();
    call(showMainWindow);
    call(readScript);
    if (ended())
        return Outcome::Ended;
    call(checkJob);
    if (ended())
        return Outcome::Ended;
    if (m_app.unattended() && !m_job.readyToRun())
        return Outcome::UnattendedNotReady;

    // From here on, nothing stops the load.
    try {
        if (!m_job.zipDirectory().isEmpty()) {
            if (const auto free = m_services.drives->driveFreeBytes(m_job.zipDirectory().left(1))) {
                m_view.zip.freeSpaceCaption = captions::zipFreeSpace(*free);
                m_view.notify();
            }
        }
        call(measureSource);
    } catch (const std::exception&) {
    }
    if (ended())
        return Outcome::Ended;
    if (m_app.unattended()) {
        try {
            call(runJob);
        } catch (const std::exception&) {
        }
        return ended() ? Outcome::Ended : Outcome::RunReturned;
    }
    // The job check hands an unattended launch to the user when it had
    // something to show (a missing skip entry).
    return askedUnattended ? Outcome::HandedToUser : Outcome::Waiting;
}

void Startup::shutdown()
{
    if (isDriveRoot())
        return;
    // One settings file, whatever case an earlier copy was written in.
    appfiles::removeAll(m_appDirHost, QStringLiteral("Drive1.ini"));
    TextFile::writeLines(QDir(m_appDirHost).filePath(QStringLiteral("drive1.ini")),
                         {QString(m_job.workDrive()) + QLatin1Char(':')});

    const auto removeDos = [this](const QString& dosPath) {
        if (const auto host = m_services.drives->toHost(dosPath))
            fileops::removeIfExists(*host);
    };
    removeDos(QStringLiteral("c:\\skip.txt"));
    if (!m_runState.nfoFileName.isEmpty())
        appfiles::removeAll(m_appDirHost, m_runState.nfoFileName);
    appfiles::removeAll(m_appDirHost, QStringLiteral("file_id.diz"));
    removeDos(QStringLiteral("c:\\size.txt"));
    appfiles::removeAll(m_appDirHost, QStringLiteral("rarstop.txt"));
}
