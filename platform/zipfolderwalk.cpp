#include "platform/zipfolderwalk.h"

#include "platform/nativedirectory.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

using Type = NativeDirectory::Status::Type;

QByteArray canonical(const QByteArray& path)
{
    char* resolved = ::realpath(path.constData(), nullptr);
    if (!resolved)
        return {};
    QByteArray result(resolved);
    std::free(resolved);
    return result;
}

bool inside(const QByteArray& path, const QByteArray& root)
{
    return path == root || path.startsWith(root.endsWith('/') ? root : root + '/');
}

struct Level {
    QByteArray native;
    QString shown;
    QString prefix;
    std::vector<NativeDirectory::Entry> items;
    std::size_t position = 0;
};

// Files before folders, each by name, as the ZIPs have always listed them.
void sortForZip(const QByteArray& folder, std::vector<NativeDirectory::Entry>& items)
{
    std::vector<std::pair<bool, NativeDirectory::Entry>> keyed;
    keyed.reserve(items.size());
    for (NativeDirectory::Entry& e : items) {
        const bool dir = NativeDirectory::status(NativeDirectory::join(folder, e.nativeName)).type == Type::Directory;
        keyed.emplace_back(dir, std::move(e));
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first)
            return !a.first;
        const int order = a.second.name.compare(b.second.name);
        return order != 0 ? order < 0 : a.second.nativeName < b.second.nativeName;
    });
    items.clear();
    for (auto& k : keyed)
        items.push_back(std::move(k.second));
}

} // namespace

void ZipFolderWalk::walk(const QString& folder, const QString& prefix, const QByteArray& excluded,
                         QList<Entry>* entries, QStringList* warnings)
{
    const QByteArray rootNative = QFile::encodeName(folder);
    const QByteArray root = canonical(rootNative);
    const uint64_t device = NativeDirectory::status(rootNative).device;
    std::vector<Level> levels;

    const auto enter = [&](const QByteArray& native, const QString& shown, const QString& levelPrefix) {
        QString why;
        auto items = NativeDirectory::list(native, &why);
        if (!items) {
            warnings->append(QStringLiteral("skipped the folder %1: %2").arg(shown, why));
            return;
        }
        if (items->empty() && !levelPrefix.isEmpty())
            entries->append({QString(), QByteArray(), levelPrefix});
        sortForZip(native, *items);
        levels.push_back({native, shown, levelPrefix, std::move(*items), 0});
    };
    enter(rootNative, folder, prefix);

    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.position >= level.items.size()) {
            levels.pop_back();
            continue;
        }
        const NativeDirectory::Entry item = level.items[level.position++];
        const QByteArray native = NativeDirectory::join(level.native, item.nativeName);
        const QString shown = level.shown + QLatin1Char('/') + item.name;
        const QString zipName = level.prefix + item.name;
        const NativeDirectory::Status status = NativeDirectory::status(native);

        if (status.link) {
            const QByteArray target = canonical(native);
            if (status.type == Type::Missing || target.isEmpty()) {
                warnings->append(QStringLiteral("skipped %1: a broken link").arg(shown));
                continue;
            }
            if (!inside(target, root)) {
                warnings->append(QStringLiteral("skipped %1: a link to %2, outside the folder")
                                     .arg(shown, QFile::decodeName(target)));
                continue;
            }
            if (status.type == Type::Directory) {
                warnings->append(QStringLiteral("skipped %1: a link to a folder, which is not followed").arg(shown));
                continue;
            }
        }
        if (status.type == Type::Directory) {
            if (status.device != device) {
                warnings->append(QStringLiteral("skipped the folder %1: it is on another file system").arg(shown));
                continue;
            }
            if (!item.utf8)
                warnings->append(QStringLiteral("the name %1 is not UTF-8: stored as %2, its bytes read as Windows-1252")
                                     .arg(level.shown + QLatin1Char('/') + NativeDirectory::escaped(item.nativeName), shown));
            // enter() may move the levels; `level` is not used after it.
            enter(native, shown, zipName + QLatin1Char('/'));
            continue;
        }
        if (status.type != Type::File) {
            warnings->append(QStringLiteral("skipped %1: not a file or folder").arg(shown));
            continue;
        }
        if (!excluded.isEmpty() && canonical(native) == excluded)
            continue;
        if (!item.utf8)
            warnings->append(QStringLiteral("the name %1 is not UTF-8: stored as %2, its bytes read as Windows-1252")
                                 .arg(level.shown + QLatin1Char('/') + NativeDirectory::escaped(item.nativeName), shown));
        entries->append({shown, native, zipName});
    }
}
