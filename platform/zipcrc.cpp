#include "platform/zipcrc.h"

#include <QFile>
#include <zlib.h>

namespace zipcrc {

quint32 of(const QByteArray& bytes, quint32 crc)
{
    return quint32(::crc32_z(crc, reinterpret_cast<const Bytef*>(bytes.constData()), size_t(bytes.size())));
}

std::optional<quint32> ofFile(const QString& hostPath, QString* error)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    quint32 crc = 0;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(buffer.data(), buffer.size());
        if (n < 0) {
            if (error)
                *error = file.errorString();
            return std::nullopt;
        }
        if (n == 0)
            break;
        crc = quint32(::crc32_z(crc, reinterpret_cast<const Bytef*>(buffer.constData()), size_t(n)));
    }
    return crc;
}

} // namespace zipcrc
