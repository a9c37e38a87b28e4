#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The file-system questions that the job asks, in DOS paths. A query on a
// drive without a medium, a missing drive or a missing path fails (empty
// result); callers decide what a failure means.
class DriveService
{
public:
    virtual ~DriveService() = default;

    virtual std::optional<QString> toHost(const QString& dosPath) const = 0;
    virtual std::optional<QString> toDos(const QString& hostPath) const = 0;
    virtual QList<QChar> driveLetters() const = 0;
    // What a drive is called beside its letter: the label of the volume it
    // is the root of, else the name of its folder. Empty when unknown.
    virtual QString driveLabel(QChar letter) const
    {
        Q_UNUSED(letter);
        return {};
    }

    // Total bytes of every file below a folder, at any depth.
    virtual std::optional<qint64> folderSize(const QString& dosPath) const = 0;
    // What a folder comes to as a ZIP takes it in (the files the ZIP
    // writer's folder walk stores; leftOut: DOS folders not read), counted
    // only until the bytes pass maxBytes or the files maxFiles, so that a
    // drive root is not walked to its end: `complete` is then false. Empty
    // when the folder cannot be read.
    struct FolderTally {
        qint64 bytes = 0;
        qint64 files = 0;
        bool complete = true;
    };
    virtual std::optional<FolderTally> tallyFolder(const QString& dosPath, qint64 maxBytes, qint64 maxFiles,
                                                   const QStringList& leftOut) const
    {
        Q_UNUSED(maxFiles);
        Q_UNUSED(leftOut);
        const auto bytes = folderSize(dosPath);
        if (!bytes)
            return std::nullopt;
        return FolderTally{*bytes, 0, *bytes <= maxBytes};
    }
    // Capacity and free bytes of the drive a text starts with ("d", "d:", "d:\x").
    // A read-only file system (a mounted CD) has 0 bytes free.
    virtual std::optional<qint64> driveTotalBytes(const QString& drive) const = 0;
    virtual std::optional<qint64> driveFreeBytes(const QString& drive) const = 0;
    virtual std::optional<qint64> fileLength(const QString& dosPath) const = 0;
    // Whether a drive's letter names a whole file system (a mounted CD or
    // disk) rather than a plain folder of one, so that its used space is its
    // contents. Empty when the drive cannot be read.
    virtual std::optional<bool> driveIsMountPoint(const QString& drive) const
    {
        Q_UNUSED(drive);
        return true;
    }

    // Plain existence test: a file (not a folder). The last component may be a
    // pattern such as "*.*".
    virtual bool fileExists(const QString& dosPath) const = 0;
    // Existence test that includes folders: "dir\*.*" exists when the folder
    // has any entry.
    virtual bool pathExists(const QString& dosPath) const = 0;
};
