#include "filewalk.h"

#include <QDir>

FileWalk::FileWalk(const QString& root, bool recursive, SkipList skip, Exclusion exclude)
    : m_recursive(recursive)
    , m_skip(std::move(skip))
    , m_exclude(std::move(exclude))
{
    enter(root, QString());
}

bool FileWalk::enter(const QString& hostDir, const QString& storedPrefix)
{
    QDir dir(hostDir);
    if (!dir.exists() || !dir.isReadable()) {
        m_error = QStringLiteral("cannot read the folder %1").arg(hostDir);
        return false;
    }
    const auto filter = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    m_levels.push_back({storedPrefix, dir.entryInfoList(filter, QDir::Name | QDir::IgnoreCase), 0});
    return true;
}

SourceEntry FileWalk::describe(const QFileInfo& info, const QString& storedName)
{
    SourceEntry e;
    e.hostPath = info.absoluteFilePath();
    e.storedName = storedName;
    e.isDirectory = info.isDir();
    e.size = e.isDirectory ? 0 : uint64_t(info.size());
    e.modified = info.lastModified();
    e.attributes = e.isDirectory ? SourceEntry::Directory : SourceEntry::Archive;
    if (!info.isWritable())
        e.attributes |= SourceEntry::ReadOnly;
    return e;
}

bool FileWalk::next(SourceEntry& entry)
{
    while (!m_levels.empty() && m_error.isEmpty()) {
        Level& level = m_levels.back();
        if (level.position >= level.items.size()) {
            m_levels.pop_back();
            continue;
        }
        const QFileInfo info = level.items.at(level.position++);
        const QString stored = level.storedPrefix + info.fileName();

        if (info.isSymLink() && !info.exists()) {
            warn(QStringLiteral("skipped broken link %1").arg(stored));
            continue;
        }
        if (info.isDir()) {
            if (m_skip.skipsDirectory(stored))
                continue;
            if (!m_recursive)
                continue;
            if (info.isSymLink()) {
                // A linked folder may lead back up the tree; its target is not followed.
                warn(QStringLiteral("skipped linked folder %1").arg(stored));
                continue;
            }
            entry = describe(info, stored);
            if (!enter(info.absoluteFilePath(), stored + u'\\'))
                return false;
            return true;
        }
        if (!info.isFile()) {
            warn(QStringLiteral("skipped special file %1").arg(stored));
            continue;
        }
        if (m_skip.skipsFile(stored) || (m_exclude && m_exclude(info)))
            continue;
        entry = describe(info, stored);
        return true;
    }
    return false;
}
