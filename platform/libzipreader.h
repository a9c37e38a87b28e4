#pragma once

#include "platform/zipreader.h"

// The ZIP reader over libzip. A ZIP is opened with libzip's strict checks
// (every local header against the central directory), and every entry is
// read whole, which makes libzip check its CRC. A file that starts as a ZIP
// but has no end record is taken as cut short, one that does not start as a
// ZIP as none at all.
class LibzipReader : public ZipReader
{
public:
    static constexpr qint64 kBufferBytes = 256 * 1024;

    ZipReadBack readBack(const QString& hostPath, const std::function<bool(qint64)>& progress = {}) override;
    std::optional<QByteArray> entryBytes(const QString& hostPath, const QString& name, qint64 maxBytes) override;
    std::unique_ptr<QIODevice> openEntry(const QString& hostPath, const QString& name, QString* error) override;
};
