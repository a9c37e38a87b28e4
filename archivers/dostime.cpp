#include "dostime.h"

#include <QDate>
#include <QTime>

uint32_t DosTime::fromDateTime(const QDateTime& when)
{
    if (!when.isValid())
        return fromDateTime(QDateTime(QDate(1980, 1, 1), QTime(0, 0)));
    const QDateTime local = when.toLocalTime();
    QDate d = local.date();
    QTime t = local.time();
    // Out-of-range dates are clamped rather than wrapped into nonsense.
    if (d.year() < 1980) {
        d = QDate(1980, 1, 1);
        t = QTime(0, 0);
    } else if (d.year() > 2107) {
        d = QDate(2107, 12, 31);
        t = QTime(23, 59, 58);
    }
    const uint32_t date = uint32_t((d.year() - 1980) << 9 | d.month() << 5 | d.day());
    const uint32_t time = uint32_t(t.hour() << 11 | t.minute() << 5 | t.second() / 2);
    return date << 16 | time;
}

QDateTime DosTime::toDateTime(uint32_t packed)
{
    const uint32_t date = packed >> 16;
    const uint32_t time = packed & 0xFFFF;
    return QDateTime(QDate(int(date >> 9) + 1980, int(date >> 5 & 15), int(date & 31)),
                     QTime(int(time >> 11), int(time >> 5 & 63), int(time & 31) * 2));
}
