#pragma once

#include <QString>
#include <optional>

// How the ZIPs and volumes of a set are named, read backwards: from a file
// name to the set it belongs to.
namespace setnames {

// "game03.zip" -> stem "game", number 3, with `digits` digits at its end.
struct ZipName {
    QString stem;
    int number = 0;
    int digits = 0;
};
// The ZIP name split with the given count of number digits; none when the
// name does not end in that many digits before ".zip".
std::optional<ZipName> splitZipName(const QString& fileName, int digits);
// stem + number with `digits` digits + ".zip".
QString zipName(const QString& stem, int number, int digits);

// "n/N" as the description numbering writes it ("03/12", "003/120"), found
// in the description's bytes. `number`, when not 0, picks the occurrence
// whose first number is the ZIP's own.
struct Numbering {
    int number = 0;
    int count = 0;
    int digits = 0;
};
std::optional<Numbering> findNumbering(const QByteArray& description, int number = 0);

// Whether an entry name of a ZIP is a volume of a RAR or ACE set: base.rar,
// base.r00 .. base.z99, base.001 .., base.ace, base.c00 .. (no folder).
bool isVolumeName(const QString& entryName);

} // namespace setnames
