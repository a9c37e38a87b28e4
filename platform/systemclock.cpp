#include "platform/systemclock.h"

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

QDateTime SystemClock::runStart() const
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok && epoch >= 0)
        return QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC);
    return now();
}
