#include "listedfiles.h"

#include "filewalk.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

bool isDosPath(const QString& path)
{
    return path.size() >= 2 && path[1] == u':' && path[0].isLetter() && path[0].unicode() < 0x80;
}

// The name inside the archive for a path: its components joined by "\",
// with "." and ".." worked out and nothing above the top, and no drive, so
// that every extractor puts the file below the folder it extracts into.
QString storedNameOf(const QString& path)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    QStringList kept;
    for (const QString& part : path.split(separators, Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!kept.isEmpty())
                kept.removeLast();
            continue;
        }
        if (kept.isEmpty() && isDosPath(part) && part.size() == 2)
            continue;
        kept << part;
    }
    return kept.join(u'\\');
}

} // namespace

std::optional<std::vector<ListedFiles::Item>> ListedFiles::fromLines(const QStringList& lines, bool namesOnly,
                                                                     const Resolver& resolve, QString* error)
{
    std::vector<Item> items;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        const auto file = resolve(line);
        if (!file) {
            *error = QStringLiteral("file not found: %1").arg(line);
            return std::nullopt;
        }
        // Names keep the case they have on disk; the list may hold them lowered.
        const QString named = namesOnly ? QFileInfo(*file).fileName() : (isDosPath(line) ? line.mid(2) : line);
        QString stored = storedNameOf(named);
        // A path that works out to nothing ("c:\\c:") still names a file.
        const QString fileName = QFileInfo(*file).fileName();
        if (stored.isEmpty() && fileName != QLatin1String(".") && fileName != QLatin1String(".."))
            stored = fileName;
        items.push_back({*file, stored});
    }
    return items;
}

ListedFiles::ListedFiles(std::vector<Item> items)
    : m_items(std::move(items))
    , m_names([this] {
        QStringList names;
        for (const Item& item : m_items)
            names << item.storedName;
        return UniqueNames(names);
    }())
{
}

bool ListedFiles::next(SourceEntry& entry)
{
    if (m_position >= m_items.size() || !m_error.isEmpty())
        return false;
    const Item& item = m_items[m_position++];
    const QFileInfo info(item.hostPath);
    if (!info.exists()) {
        m_error = QStringLiteral("file not found: %1").arg(item.hostPath);
        return false;
    }
    if (!info.isFile()) {
        m_error = QStringLiteral("not a file: %1").arg(item.hostPath);
        return false;
    }
    // Two files of one name from different folders (with -ep) would be one
    // file when the set is unpacked.
    const UniqueNames::Claim claim = m_names.claim(item.storedName, QFile::encodeName(item.storedName), true, item.hostPath);
    if (claim.renamed)
        warn(UniqueNames::warning(QStringLiteral("the list file"), item.hostPath, claim));
    entry = FileWalk::describe(info, claim.name);
    return true;
}
