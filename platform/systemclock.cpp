#include "platform/systemclock.h"

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}
