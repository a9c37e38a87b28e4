#pragma once

#include <QDateTime>

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // The time a run takes as its start: its ZIPs' entry times and the date
    // in dated names.
    virtual QDateTime runStart() const { return now(); }
};
