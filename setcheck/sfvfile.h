#pragma once

#include "setcheck/checksumitem.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

// The .sfv file release checkers read: comment lines starting with ";",
// then "name CRC32" per file with the CRC in eight upper-case hex digits,
// every line ended by CR LF.
class SfvFile
{
public:
    struct Parsed {
        QList<ChecksumItem> items;
        QStringList problems; // lines that are neither comments nor "name CRC"
    };

    // The comment names the program and the time the set was made; files
    // without a CRC are left out.
    static QByteArray write(const QList<ChecksumItem>& items, const QString& program, const QDateTime& made);
    // Reads any .sfv: LF or CR LF lines, names with blanks, hex in any case.
    static Parsed read(const QByteArray& bytes);
};
