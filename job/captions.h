#pragma once

#include <QString>
#include <QtGlobal>

namespace captions {

// Bytes as whole millions, through the 32-bit float the program has always
// used for free space, rounded half to even.
qint64 wholeMegabytes(qint64 bytes);

// The Zip page's free megabytes: 0 for 1,000,000 bytes or less.
qint64 zipFreeMegabytes(qint64 freeBytes);
// Zip page: "Free space " + millions of bytes free (leading blank) + " M";
// 0 when the drive has 1,000,000 bytes free or less.
QString zipFreeSpace(qint64 freeBytes);

} // namespace captions
