#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <cstdint>

#include <cerrno>
#include <cstring>
#include <fcntl.h>

// One thing to store: a file or a directory, with the name it gets inside
// the archive (components separated by '\', as DOS and Windows readers expect).
struct SourceEntry {
    QString hostPath;      // for messages; opens the file unless nativePath is set
    QByteArray nativePath; // the bytes the file system knows it by, when Qt cannot name it
    QString storedName;
    bool isDirectory = false;
    uint64_t size = 0;
    QDateTime modified;
    uint32_t attributes = 0; // Windows attribute bits

    static constexpr uint32_t ReadOnly = 0x01;
    static constexpr uint32_t Directory = 0x10;
    static constexpr uint32_t Archive = 0x20;
};

// Opens an entry's file for reading. A name that is not UTF-8 cannot be
// opened through a Qt path, so it is opened by its bytes.
inline bool openForReading(const SourceEntry& entry, QFile& file, QString* error)
{
    if (entry.nativePath.isEmpty() || entry.nativePath == QFile::encodeName(entry.hostPath)) {
        file.setFileName(entry.hostPath);
        if (file.open(QIODevice::ReadOnly))
            return true;
        *error = file.errorString();
        return false;
    }
    const int fd = ::open(entry.nativePath.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    *error = file.errorString();
    return false;
}
