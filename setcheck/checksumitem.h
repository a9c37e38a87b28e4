#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// One file a checksum file lists: its name beside the checksum file, and
// what it lists for it (an .sfv lists a CRC-32, a .sha256 a SHA-256 digest).
struct ChecksumItem {
    QString name;
    std::optional<std::uint32_t> crc;
    QByteArray sha256; // 32 bytes, or empty when not listed
};
