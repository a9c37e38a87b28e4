#pragma once

#include <QString>
#include <QStringList>

// A measurement of files that tells when any of them changed: how many,
// how many bytes, and a digest of each one's path, size and time. Two
// measurements of an untouched tree are equal, whatever order its folders
// are listed in; a file added, removed, renamed, grown or written since
// makes them differ.
struct TreeMeasure {
    qint64 files = 0;
    qint64 bytes = 0;
    quint64 digest = 0;

    bool operator==(const TreeMeasure&) const = default;

    // Every file below a folder (or the one file a path names). Folders that
    // are a run's work folder (they hold its journal) and the host paths in
    // `leaveOut` are not measured: the run's own files change as it goes.
    static TreeMeasure of(const QString& hostPath, const QStringList& leaveOut = {});
    // Several paths, one after the other (an image and its cue sheet);
    // a missing one counts as a change.
    static TreeMeasure ofFiles(const QStringList& hostPaths);

    // "files 12 bytes 3456789 digest 0123456789abcdef", and back.
    QString text() const;
    static TreeMeasure fromText(const QString& text);
    // "12 files, 3.5 MB"
    QString shortText() const;
};
