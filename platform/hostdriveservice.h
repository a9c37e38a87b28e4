#pragma once

#include "platform/driveservice.h"
#include "platform/drivemap.h"

// The drive service on the host's real file systems, through the drive map.
class HostDriveService : public DriveService
{
public:
    explicit HostDriveService(DriveMap map);

    std::optional<QString> toHost(const QString& dosPath) const override;
    std::optional<QString> toDos(const QString& hostPath) const override;
    QList<QChar> driveLetters() const override;
    QString driveLabel(QChar letter) const override;
    std::optional<qint64> folderSize(const QString& dosPath) const override;
    std::optional<FolderTally> tallyFolder(const QString& dosPath, qint64 maxBytes, qint64 maxFiles,
                                           const QStringList& leftOut) const override;
    std::optional<qint64> driveTotalBytes(const QString& drive) const override;
    std::optional<qint64> driveFreeBytes(const QString& drive) const override;
    std::optional<qint64> fileLength(const QString& dosPath) const override;
    std::optional<bool> driveIsMountPoint(const QString& drive) const override;
    bool fileExists(const QString& dosPath) const override;
    bool pathExists(const QString& dosPath) const override;

    const DriveMap& driveMap() const { return m_map; }

    // DOS wildcard match, case-insensitive; "*.*" matches every name.
    static bool matchesPattern(const QString& name, const QString& pattern);

private:
    bool exists(const QString& dosPath, bool foldersToo) const;

    DriveMap m_map;
};
