#pragma once

#include "setcheck/checksumitem.h"

#include <QList>
#include <QStringList>

// The list `sha256sum -c` reads: "<64 hex digits>  name" per file, LF line
// ends.
class Sha256File
{
public:
    struct Parsed {
        QList<ChecksumItem> items;
        QStringList problems;
    };

    // Files without a SHA-256 digest are left out.
    static QByteArray write(const QList<ChecksumItem>& items);
    // Reads text ("  name") and binary (" *name") lines, LF or CR LF, and
    // the BSD form "SHA256 (name) = hex".
    static Parsed read(const QByteArray& bytes);
};
