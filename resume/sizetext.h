#pragma once

#include "platform/numbertext.h"

#include <QString>

// "270.1 MB" (a megabyte being 1,000,000 bytes, as everywhere in the
// program), "1,234.5 MB" above a thousand.
inline QString megabytesText(qint64 bytes)
{
    const qint64 tenths = (bytes + 50000) / 100000;
    return numbertext::grouped(tenths / 10) + QLatin1Char('.') + QString::number(tenths % 10) + QStringLiteral(" MB");
}
