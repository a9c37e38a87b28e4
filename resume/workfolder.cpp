#include "resume/workfolder.h"

#include "platform/zipcrc.h"
#include "platform/driveservice.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <sys/stat.h>

bool WorkFolder::isWorkFolderName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^zavok[0-9]{3,}$"), QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}

QList<WorkFolder> WorkFolder::onDrive(QChar drive, const DriveService& drives)
{
    QList<WorkFolder> found;
    const auto root = drives.toHost(QString(drive) + QStringLiteral(":\\"));
    if (!root)
        return found;
    QStringList names = QDir(*root).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    QCollator numeric;
    numeric.setNumericMode(true);
    std::sort(names.begin(), names.end(), numeric);
    for (const QString& name : names) {
        if (!isWorkFolderName(name))
            continue;
        WorkFolder folder;
        folder.host = QDir(*root).filePath(name);
        if (!QFileInfo::exists(QDir(folder.host).filePath(RunJournal::fileName())))
            continue;
        folder.dos = QString(drive).toLower() + QStringLiteral(":\\") + name;
        folder.journal = RunJournal::read(folder.host, &folder.refused);
        found << folder;
    }
    return found;
}

QList<WorkFolder> WorkFolder::onEveryDrive(const DriveService& drives)
{
    QList<WorkFolder> found;
    QSet<QString> seen;
    for (const QChar letter : drives.driveLetters()) {
        for (const WorkFolder& folder : onDrive(letter, drives)) {
            const QString canonical = QFileInfo(folder.host).canonicalFilePath();
            if (seen.contains(canonical))
                continue;
            seen.insert(canonical);
            found << folder;
        }
    }
    return found;
}

std::optional<RunJournal::Volume> WorkFolder::volumeNow(const QString& folderHost, const QString& name)
{
    struct stat st {};
    if (::stat(QFile::encodeName(QDir(folderHost).filePath(name)).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return RunJournal::Volume{name, qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

QString WorkFolder::zipFolderHost(const DriveService& drives) const
{
    if (!journal)
        return {};
    return drives.toHost(journal->setting(QStringLiteral("zip-folder"))).value_or(QString());
}

QString WorkFolder::whyNotContinuable(const DriveService& drives) const
{
    if (!journal)
        return QCoreApplication::translate("WorkFolder", "its journal cannot be used: ") + refused;
    if (!journal->setWhole)
        return QCoreApplication::translate("WorkFolder", "the archiver had not finished its set");
    if (journal->setUnsound)
        return QCoreApplication::translate("WorkFolder", "its volumes failed the set's test");
    for (int n = 1; n <= journal->volumes.size(); ++n) {
        if (journal->zip(n))
            continue;
        const RunJournal::Volume& then = journal->volumes[n - 1];
        const auto now = volumeNow(host, then.name);
        if (!now)
            return QCoreApplication::translate("WorkFolder", "its volume %1 is missing").arg(then.name);
        if (*now != then)
            return QCoreApplication::translate("WorkFolder", "its volume %1 has changed since").arg(then.name);
    }
    const QString zipHost = zipFolderHost(drives);
    for (const RunJournal::Zip& zip : journal->zips) {
        const QString path = QDir(zipHost).filePath(zip.name);
        const QFileInfo info(path);
        if (zipHost.isEmpty() || !info.isFile())
            return QCoreApplication::translate("WorkFolder", "its complete ZIP %1 is missing").arg(zip.name);
        if (info.size() != zip.size || zipcrc::ofFile(path) != std::optional<quint32>(zip.crc))
            return QCoreApplication::translate("WorkFolder", "its complete ZIP %1 has changed since it was made").arg(zip.name);
    }
    return {};
}

qint64 WorkFolder::bytes() const
{
    qint64 total = 0;
    QDirIterator it(host, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

Leftovers WorkFolder::leftovers() const
{
    Leftovers left;
    left.workDos = dos;
    left.workHost = host;
    if (journal) {
        left.setWhole = journal->setWhole;
        left.zipCount = int(journal->volumes.size());
        for (int n = 1; n <= journal->volumes.size(); ++n)
            if (const RunJournal::Zip* zip = journal->zip(n))
                left.zipsDone << zip->name;
        left.zipDirectory = journal->setting(QStringLiteral("zip-folder"));
    }
    left.countWorkFolder();
    return left;
}

bool WorkFolder::discard(QString* error) const
{
    if (QDir(host).removeRecursively())
        return true;
    if (error)
        *error = QCoreApplication::translate("WorkFolder", "%1 could not be deleted whole").arg(dos);
    return false;
}
