#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Parts of the source to leave out, as the skip file lists them: "extras\*.*"
// names a folder (with everything in it), any other line a file. Both are
// relative to the source root and matched without regard to case.
class SkipList {
public:
    static SkipList fromLines(const QStringList& lines);

    // storedName: the entry's path inside the archive, components joined by '\'.
    bool skipsDirectory(const QString& storedName) const;
    bool skipsFile(const QString& storedName) const;
    bool isEmpty() const { return m_directories.isEmpty() && m_files.isEmpty(); }

private:
    static QString key(const QString& path);

    QSet<QString> m_directories;
    QSet<QString> m_files;
};
