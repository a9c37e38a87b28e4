#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What a folder puts into a ZIP: every regular file below it, stored under
// its path relative to the folder ("sub/readme.txt"), and a folder entry for
// each empty subfolder. A folder of any size is walked with one listing per
// level held at a time.
//
// Left out, each with a warning: what is not a regular file or folder
// (devices, pipes, sockets: /dev/zero would be read without end), links that
// are broken or lead out of the folder, links to folders (they may lead round
// in a circle), and folders on another file system (a drive root would
// otherwise take in /proc). A link to a file inside the folder is stored as
// that file. A name that is not UTF-8 is stored with its bytes read as
// Windows-1252, with a warning.
class ZipFolderWalk
{
public:
    struct Entry {
        QString hostPath;      // for messages; empty for a folder entry
        QByteArray nativePath; // what opens the file
        QString zipName;       // a folder entry's ends with "/"
    };

    // `excluded` (host bytes, canonical) is never stored: the ZIP being
    // written when the folder holds it.
    static void walk(const QString& folder, const QString& prefix, const QByteArray& excluded, QList<Entry>* entries,
                     QStringList* warnings);
};
