#pragma once

#include <QDateTime>
#include <cstdint>

// MS-DOS packed date and time, as both archive formats store them: local time,
// two-second resolution, years 1980..2107.
class DosTime {
public:
    static uint32_t fromDateTime(const QDateTime& when);
    static QDateTime toDateTime(uint32_t packed);
};
