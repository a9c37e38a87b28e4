#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// CRC-32 as ZIP files use it (zlib's).
namespace zipcrc {

quint32 of(const QByteArray& bytes, quint32 crc = 0);
// The CRC-32 of a whole file, read in pieces; none when it cannot be read
// (with the reason).
std::optional<quint32> ofFile(const QString& hostPath, QString* error = nullptr);

} // namespace zipcrc
