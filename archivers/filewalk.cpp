#include "filewalk.h"

#include "platform/ownworkingfiles.h"

#include <QDir>
#include <QFile>

#include <algorithm>

using Type = NativeDirectory::Status::Type;

FileWalk::FileWalk(const QString& root, bool recursive, SkipList skip, Exclusion exclude)
    : m_recursive(recursive)
    , m_skip(std::move(skip))
    , m_exclude(std::move(exclude))
{
    enter(QFile::encodeName(root), root, true, QString());
}

bool FileWalk::enter(const QByteArray& nativeDir, const QString& shownDir, bool utf8Path, const QString& storedPrefix)
{
    QString why;
    const auto entries = NativeDirectory::list(nativeDir, &why);
    if (!entries) {
        m_error = QStringLiteral("cannot read the folder %1: %2").arg(shownDir, why);
        return false;
    }
    QStringList names;
    names.reserve(qsizetype(entries->size()));
    for (const NativeDirectory::Entry& e : *entries)
        names.append(e.name);
    Level level{nativeDir, shownDir, utf8Path, storedPrefix, {}, 0, UniqueNames(names)};
    level.items.reserve(entries->size());
    for (const NativeDirectory::Entry& e : *entries)
        level.items.push_back({e, e.name.toLower()});
    std::sort(level.items.begin(), level.items.end(), [](const Item& a, const Item& b) {
        const int order = a.key.compare(b.key);
        return order != 0 ? order < 0 : a.entry.nativeName < b.entry.nativeName;
    });
    m_levels.push_back(std::move(level));
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

SourceEntry FileWalk::describe(const Level& level, const Item& item, const NativeDirectory::Status& status,
                               const QString& stored) const
{
    SourceEntry e;
    e.hostPath = level.shownDir + QLatin1Char('/') + item.entry.name;
    e.nativePath = NativeDirectory::join(level.nativeDir, item.entry.nativeName);
    e.storedName = stored;
    e.isDirectory = status.type == Type::Directory;
    e.size = status.size;
    e.modified = status.modified;
    e.attributes = e.isDirectory ? SourceEntry::Directory : SourceEntry::Archive;
    if (!status.writable)
        e.attributes |= SourceEntry::ReadOnly;
    return e;
}

QString FileWalk::claimName(Level& level, const Item& item)
{
    const QString shown = item.entry.utf8 ? item.entry.name : NativeDirectory::escaped(item.entry.nativeName);
    const UniqueNames::Claim claim = level.names.claim(item.entry.name, item.entry.nativeName, item.entry.utf8, shown);
    const QString stored = level.storedPrefix + claim.name;
    if (claim.renamed)
        warn(UniqueNames::warning(level.shownDir, shown, claim));
    else if (!item.entry.utf8)
        warn(QStringLiteral("the name %1 is not UTF-8: stored as %2, its bytes read as Windows-1252")
                 .arg(level.storedPrefix + shown, stored));
    return stored;
}

bool FileWalk::next(SourceEntry& entry)
{
    while (!m_levels.empty() && m_error.isEmpty()) {
        Level& level = m_levels.back();
        if (level.position >= level.items.size()) {
            m_levels.pop_back();
            continue;
        }
        const Item& item = level.items[level.position++];
        const QString stored = level.storedPrefix + item.entry.name;
        const QByteArray native = NativeDirectory::join(level.nativeDir, item.entry.nativeName);
        const NativeDirectory::Status status = NativeDirectory::status(native);

        if (status.type == Type::Missing) {
            if (status.link) {
                warn(QStringLiteral("skipped broken link %1").arg(stored));
                continue;
            }
            m_error = QStringLiteral("cannot read %1").arg(level.shownDir + QLatin1Char('/') + item.entry.name);
            return false;
        }
        if (status.type == Type::Directory) {
            if (m_skip.skipsDirectory(stored))
                continue;
            if (!m_recursive)
                continue;
            if (status.link) {
                // A linked folder may lead back up the tree; its target is not followed.
                warn(QStringLiteral("skipped linked folder %1").arg(stored));
                continue;
            }
            const QString claimed = claimName(level, item);
            entry = describe(level, item, status, claimed);
            const QString shown = level.shownDir + QLatin1Char('/') + item.entry.name;
            const bool utf8Path = level.utf8Path && item.entry.utf8;
            // enter() may move the levels: nothing of `level` is used after it.
            if (!enter(native, shown, utf8Path, claimed + u'\\'))
                return false;
            return true;
        }
        if (status.type != Type::File) {
            warn(QStringLiteral("skipped special file %1").arg(stored));
            continue;
        }
        if (m_skip.skipsFile(stored))
            continue;
        if (OwnWorkingFiles::matches(item.entry.name)) {
            warn(QStringLiteral("left out %1: a working file of zavok32 (a set's lock or a ZIP being written)")
                     .arg(stored));
            continue;
        }
        // Only a name Qt can spell can be one of the set's own volumes.
        if (m_exclude && level.utf8Path && item.entry.utf8 && m_exclude(QFileInfo(QFile::decodeName(native))))
            continue;
        entry = describe(level, item, status, claimName(level, item));
        return true;
    }
    return false;
}
