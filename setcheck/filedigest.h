#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

// The CRC-32 and SHA-256 of a whole file, taken in one read.
struct FileDigest {
    bool ok = false;
    QString error; // why the file could not be read
    std::uint32_t crc = 0;
    QByteArray sha256;
    qint64 size = 0;

    // `progress` gets the count of bytes read since its last call; returning
    // false stops (the digest is then not ok).
    static FileDigest of(const QString& hostPath, const std::function<bool(qint64)>& progress = {});
};
