#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

// What a folder puts into a ZIP: every regular file below it, stored under
// its path relative to the folder ("sub/readme.txt"), and a folder entry for
// each empty subfolder. A folder of any size is walked with one listing per
// level held at a time.
//
// Left out, each with a warning: what is not a regular file or folder
// (devices, pipes, sockets: /dev/zero would be read without end), links that
// are broken or lead out of the folder, links to folders (they may lead round
// in a circle), folders on another file system (a drive root would
// otherwise take in /proc), the folders the set is written into (its ZIP
// folder and work folder, found by their real paths: a ZIP would take in the
// ZIPs before it), and the program's own working files. A link to a file
// inside the folder is stored as that file. A name that is not UTF-8 is
// stored with its bytes read as Windows-1252, with a warning; two names
// that the set's readers take for one are both stored (UniqueNames).
class ZipFolderWalk
{
public:
    struct Entry {
        QString hostPath;      // for messages; empty for a folder entry
        QByteArray nativePath; // what opens the file
        QString zipName;       // a folder entry's ends with "/"
    };
    struct Options {
        // Never stored (host bytes, canonical): the ZIP being written when
        // the folder holds it.
        QByteArray excludedFile;
        // Never read (host paths, canonical), nor anything in them.
        QList<QByteArray> leftOutFolders;
    };
    // Called for each entry in order, with the file's size (0 for a folder
    // entry); false ends the walk there.
    using Visit = std::function<bool(const Entry& entry, uint64_t size)>;

    static void walk(const QString& folder, const QString& prefix, const Options& options, const Visit& visit,
                     QStringList* warnings);
    // Every entry, into *entries.
    static void walk(const QString& folder, const QString& prefix, const Options& options, QList<Entry>* entries,
                     QStringList* warnings);

    // A path's real path (links resolved), empty when it does not exist.
    static QByteArray canonical(const QByteArray& path);
    static bool inside(const QByteArray& path, const QByteArray& root);
};
