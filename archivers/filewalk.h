#pragma once

#include "entrysource.h"
#include "skiplist.h"

#include <QFileInfoList>
#include <functional>
#include <vector>

// The files and folders under a root, depth first, each folder before its
// contents, names sorted without regard to case. Only one listing per level
// is held, so memory stays flat however many files there are.
class FileWalk : public EntrySource {
public:
    using Exclusion = std::function<bool(const QFileInfo&)>;

    FileWalk(const QString& root, bool recursive, SkipList skip, Exclusion exclude = {});

    bool next(SourceEntry& entry) override;
    QString error() const override { return m_error; }

    static SourceEntry describe(const QFileInfo& info, const QString& storedName);

private:
    struct Level {
        QString storedPrefix;
        QFileInfoList items;
        int position = 0;
    };
    bool enter(const QString& hostDir, const QString& storedPrefix);

    bool m_recursive;
    SkipList m_skip;
    Exclusion m_exclude;
    std::vector<Level> m_levels;
    QString m_error;
};
