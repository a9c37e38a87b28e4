#include "job/captions.h"

#include "platform/numbertext.h"

#include <QCoreApplication>

namespace captions {

qint64 wholeMegabytes(qint64 bytes)
{
    const float megabytes = float(bytes) / 1000000.0f;
    return qint64(numbertext::roundHalfEven(double(megabytes)));
}

qint64 zipFreeMegabytes(qint64 freeBytes)
{
    return freeBytes > 1000000 ? wholeMegabytes(freeBytes) : 0;
}

QString zipFreeSpace(qint64 freeBytes)
{
    return QCoreApplication::translate("Captions", "Free space %1 M").arg(numbertext::signedDecimal(zipFreeMegabytes(freeBytes)));
}

} // namespace captions
