#include "platform/hostdriveservice.h"

#include "platform/mountedvolumes.h"
#include "platform/zipfolderwalk.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/stat.h>
#include <sys/statvfs.h>

namespace {

bool hasWildcard(const QString& name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

struct DriveFigures {
    qint64 total = 0;
    qint64 free = 0;
};

// The host folder of the drive a text starts with ("d", "d:", "d:\x").
std::optional<QString> rootOf(const DriveMap& map, const QString& drive)
{
    const auto letter = DriveMap::driveLetterOf(drive);
    return letter ? map.driveRoot(*letter) : std::nullopt;
}

std::optional<DriveFigures> statDrive(const DriveMap& map, const QString& drive)
{
    const auto root = rootOf(map, drive);
    if (!root)
        return std::nullopt;
    struct statvfs fs {};
    if (statvfs(QFile::encodeName(*root).constData(), &fs) != 0)
        return std::nullopt;
    DriveFigures figures;
    figures.total = qint64(fs.f_blocks) * qint64(fs.f_frsize);
    figures.free = (fs.f_flag & ST_RDONLY) ? 0 : qint64(fs.f_bavail) * qint64(fs.f_frsize);
    return figures;
}

} // namespace

HostDriveService::HostDriveService(DriveMap map)
    : m_map(std::move(map))
{
}

std::optional<QString> HostDriveService::toHost(const QString& dosPath) const
{
    return m_map.toHost(dosPath);
}

std::optional<QString> HostDriveService::toDos(const QString& hostPath) const
{
    return m_map.toDos(hostPath);
}

QList<QChar> HostDriveService::driveLetters() const
{
    return m_map.letters();
}

QString HostDriveService::driveLabel(QChar letter) const
{
    return MountedVolumes::labelOf(m_map.linkTarget(letter));
}

std::optional<qint64> HostDriveService::folderSize(const QString& dosPath) const
{
    const auto host = m_map.toHost(dosPath);
    if (!host || !QFileInfo(*host).isDir())
        return std::nullopt;
    qint64 total = 0;
    // Symbolic links to folders are not followed, so a link cycle cannot hang
    // the measurement.
    QDirIterator it(*host, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

std::optional<DriveService::FolderTally> HostDriveService::tallyFolder(const QString& dosPath, qint64 maxBytes,
                                                                      qint64 maxFiles, const QStringList& leftOut) const
{
    const auto host = m_map.toHost(dosPath);
    if (!host || !QFileInfo(*host).isDir())
        return std::nullopt;
    ZipFolderWalk::Options options;
    for (const QString& dos : leftOut) {
        const auto folder = m_map.toHost(dos);
        const QByteArray real = folder ? ZipFolderWalk::canonical(QFile::encodeName(*folder)) : QByteArray();
        if (!real.isEmpty())
            options.leftOutFolders.append(real);
    }
    FolderTally tally;
    QStringList warnings;
    ZipFolderWalk::walk(*host, QString(), options, [&](const ZipFolderWalk::Entry&, uint64_t size) {
        tally.bytes += qint64(size);
        ++tally.files;
        tally.complete = tally.bytes <= maxBytes && tally.files <= maxFiles;
        return tally.complete;
    }, &warnings);
    return tally;
}

std::optional<qint64> HostDriveService::driveTotalBytes(const QString& drive) const
{
    const auto figures = statDrive(m_map, drive);
    return figures ? std::optional<qint64>(figures->total) : std::nullopt;
}

std::optional<qint64> HostDriveService::driveFreeBytes(const QString& drive) const
{
    const auto figures = statDrive(m_map, drive);
    return figures ? std::optional<qint64>(figures->free) : std::nullopt;
}

std::optional<qint64> HostDriveService::fileLength(const QString& dosPath) const
{
    const auto host = m_map.toHost(dosPath);
    if (!host)
        return std::nullopt;
    const QFileInfo info(*host);
    if (!info.isFile())
        return std::nullopt;
    return info.size();
}

std::optional<bool> HostDriveService::driveIsMountPoint(const QString& drive) const
{
    const auto root = rootOf(m_map, drive);
    if (!root)
        return std::nullopt;
    const QString folder = QFileInfo(*root).canonicalFilePath();
    if (folder.isEmpty())
        return std::nullopt;
    if (folder == QLatin1String("/"))
        return true;
    // A mount point lies on another device than the folder that holds it.
    struct stat self {};
    struct stat parent {};
    if (stat(QFile::encodeName(folder).constData(), &self) != 0
        || stat(QFile::encodeName(folder + QStringLiteral("/..")).constData(), &parent) != 0)
        return std::nullopt;
    return self.st_dev != parent.st_dev;
}

bool HostDriveService::fileExists(const QString& dosPath) const
{
    return exists(dosPath, false);
}

bool HostDriveService::pathExists(const QString& dosPath) const
{
    return exists(dosPath, true);
}

bool HostDriveService::exists(const QString& dosPath, bool foldersToo) const
{
    const auto host = m_map.toHost(dosPath);
    if (!host)
        return false;
    const QFileInfo info(*host);
    const QString name = info.fileName();
    if (!hasWildcard(name))
        return foldersToo ? info.exists() : info.isFile();
    const QDir::Filters filters = (foldersToo ? QDir::AllEntries : QDir::Files) | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    const QStringList entries = QDir(info.path()).entryList(filters);
    return std::any_of(entries.begin(), entries.end(), [&](const QString& entry) { return matchesPattern(entry, name); });
}

bool HostDriveService::matchesPattern(const QString& name, const QString& pattern)
{
    // DOS: "*.*" and "*" match every name, with or without a dot.
    if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
        return true;
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(name).hasMatch();
}
