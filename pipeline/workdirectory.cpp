#include "pipeline/workdirectory.h"

#include "pipeline/runfailure.h"
#include "platform/driveservice.h"
#include "platform/numbertext.h"
#include "resume/runjournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Work directories are looked for up to this number; a drive holding that
// many leftovers is not one to fill further.
constexpr int kMaxWorkDirectories = 99999;

QString host(const QString& dosPath, const DriveService& drives)
{
    const auto path = drives.toHost(dosPath);
    if (!path)
        throw RunFailure(QCoreApplication::translate("WorkDirectory", "no drive for ") + dosPath);
    return *path;
}

QStringList allButTheJournal(const QString& hostPath, QDir::Filters filters)
{
    QStringList names = QDir(hostPath).entryList(filters | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeIf([](const QString& name) { return RunJournal::isJournalFile(name); });
    return names;
}

} // namespace

namespace workdirectory {

QString name(QChar drive, int number)
{
    return QString(drive) + QStringLiteral(":\\Zavok") + numbertext::zeroPadded(number, 3);
}

QString make(QChar drive, const DriveService& drives)
{
    for (int n = 1; n <= kMaxWorkDirectories; ++n) {
        const QString dos = name(drive, n);
        if (drives.pathExists(dos))
            continue;
        if (!QDir().mkdir(host(dos, drives)))
            throw RunFailure(QCoreApplication::translate("WorkDirectory", "cannot make the work directory ") + dos);
        return dos;
    }
    throw RunFailure(QCoreApplication::translate("WorkDirectory", "no free work directory name on drive ") + drive + QLatin1Char(':'));
}

int countVolumes(const QString& hostPath)
{
    const qsizetype count = allButTheJournal(hostPath, QDir::Files).size();
    if (count > 32767)
        throw RunFailure(QCoreApplication::translate("WorkDirectory", "the work directory holds %1 files; no set is that large").arg(count));
    return int(count);
}

qint64 volumeBytes(const QString& hostPath)
{
    qint64 bytes = 0;
    for (const QString& name : allButTheJournal(hostPath, QDir::Files))
        bytes += QFileInfo(QDir(hostPath).filePath(name)).size();
    return bytes;
}

void remove(const QString& dosPath, const DriveService& drives)
{
    if (!drives.pathExists(dosPath))
        return;
    const QString path = host(dosPath, drives);
    QDir::setCurrent(host(dosPath.left(2) + QLatin1Char('\\'), drives));
    // A folder with volumes left keeps its journal, so the run can still be
    // continued.
    if (allButTheJournal(path, QDir::AllEntries).isEmpty())
        RunJournal::remove(path);
    if (!QDir().rmdir(path))
        throw RunFailure(QCoreApplication::translate("WorkDirectory", "the work directory %1 is not empty").arg(dosPath));
    if (const auto c = drives.toHost(QStringLiteral("c:\\")))
        QDir::setCurrent(*c);
}

} // namespace workdirectory
