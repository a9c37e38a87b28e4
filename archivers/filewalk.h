#pragma once

#include "entrysource.h"
#include "skiplist.h"

#include "platform/nativedirectory.h"
#include "platform/uniquenames.h"

#include <QFileInfo>
#include <functional>
#include <vector>

// The files and folders under a root, depth first, each folder before its
// contents, names sorted without regard to case. Only one listing per level
// is held, so memory stays flat however many files there are.
//
// Every name the file system gives is stored: one that is not UTF-8 is
// stored with its bytes read as Windows-1252, with a warning. Two names of a
// folder that the set's readers would take for one (UniqueNames) are both
// stored, the later under a name of its own, with a warning. What cannot be
// stored as a file or folder is left out with a warning (broken links,
// linked folders, devices, pipes, sockets); what cannot be read at all ends
// the walk with an error that names it, so nothing goes missing unnoticed.
class FileWalk : public EntrySource {
public:
    using Exclusion = std::function<bool(const QFileInfo&)>;

    FileWalk(const QString& root, bool recursive, SkipList skip, Exclusion exclude = {});

    bool next(SourceEntry& entry) override;
    QString error() const override { return m_error; }

    static SourceEntry describe(const QFileInfo& info, const QString& storedName);

private:
    struct Item {
        NativeDirectory::Entry entry;
        QString key; // the name folded for sorting
    };
    struct Level {
        QByteArray nativeDir;
        QString shownDir;     // for messages
        bool utf8Path = true; // every component so far is UTF-8
        QString storedPrefix;
        std::vector<Item> items;
        std::size_t position = 0;
        UniqueNames names;
    };
    bool enter(const QByteArray& nativeDir, const QString& shownDir, bool utf8Path, const QString& storedPrefix);
    SourceEntry describe(const Level& level, const Item& item, const NativeDirectory::Status& status,
                         const QString& stored) const;
    // The name the item is stored under, told when it is not its own.
    QString claimName(Level& level, const Item& item);

    bool m_recursive;
    SkipList m_skip;
    Exclusion m_exclude;
    std::vector<Level> m_levels;
    QString m_error;
};
