#pragma once

#include "setcheck/checksumitem.h"

#include <QList>
#include <QString>
#include <QStringList>

// A file of a set as the finder saw it.
struct SetFile {
    QString name;        // in the set's folder; the real name when the file is there
    int number = 0;      // the ZIP's number in the set; 0 for a file that is no ZIP of it
    bool listed = false; // a checksum file lists it; `sums` then holds what it lists
    ChecksumItem sums;
};

// A set of ZIPs in one folder: the ZIPs it should have, numbered 1..count,
// found by its checksum files or by the base name and numbering of its ZIPs.
struct FoundSet {
    QString folder;  // host folder
    QString stem;    // the name before the ZIP numbers: "game", or dated "game12799"
    int digits = 2;  // width of the ZIP numbers; 0 for a set of one unnumbered ZIP
    int count = 0;   // ZIPs the set should have
    QStringList checksumFiles; // the .sfv and .sha256 files that define it
    QList<SetFile> zips;       // the set's own, by number, whether there or not
    QList<SetFile> strays;     // ZIPs of its name that are not of it (left from another set)
    // Other files the checksum files list: recovery files that travel with
    // the set. They are checked against their sums, but a set is whole
    // without them.
    QList<SetFile> extras;

    QString hostPath(const QString& name) const { return folder + QLatin1Char('/') + name; }
};
