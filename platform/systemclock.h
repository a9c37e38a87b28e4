#pragma once

#include "platform/clock.h"

class SystemClock : public Clock
{
public:
    QDateTime now() const override;
    // SOURCE_DATE_EPOCH when it is set (seconds since 1970, the convention of
    // reproducible builds): the same set, byte for byte, from the same source.
    QDateTime runStart() const override;
};
