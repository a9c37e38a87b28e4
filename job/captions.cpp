#include "job/captions.h"

#include "platform/numbertext.h"

namespace captions {

qint64 wholeMegabytes(qint64 bytes)
{
    const float megabytes = float(bytes) / 1000000.0f;
    return qint64(numbertext::roundHalfEven(double(megabytes)));
}

QString zipFreeSpace(qint64 freeBytes)
{
    const qint64 megabytes = freeBytes > 1000000 ? wholeMegabytes(freeBytes) : 0;
    return QStringLiteral("Free space ") + numbertext::signedDecimal(megabytes) + QStringLiteral(" M");
}

} // namespace captions
