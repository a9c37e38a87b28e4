#pragma once

#include "setcheck/foundset.h"

#include <QList>
#include <QString>

class ZipReader;

// Finds the set (or sets) a path names: a folder of ZIPs, a set's .sfv or
// .sha256, or any ZIP of a set. A set's checksum files define it when there
// are any; otherwise its ZIPs are those of its base name, and the count is
// the "n/N" the description inside them carries (without numbering, the
// highest number there). Reads descriptions, never writes.
class SetFinder
{
public:
    struct Found {
        QList<FoundSet> sets;
        QString problem; // why there is no set, when there is none
    };

    explicit SetFinder(ZipReader& reader);

    Found find(const QString& hostPath);

    // The largest description read to learn a set's numbering.
    static constexpr qint64 kMaxDescriptionBytes = 1 << 20;

private:
    struct Folder;
    std::optional<FoundSet> fromChecksumFiles(const Folder& folder, const QString& base);
    std::optional<FoundSet> fromZip(const Folder& folder, const QString& zipName, bool useChecksumFiles);
    FoundSet byBaseName(const Folder& folder, const QString& stem, int digits, int count);
    QList<FoundSet> fromFolder(const Folder& folder);

    ZipReader& m_reader;
};
