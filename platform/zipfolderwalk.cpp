#include "platform/zipfolderwalk.h"

#include "platform/nativedirectory.h"
#include "platform/ownworkingfiles.h"
#include "platform/uniquenames.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

using Type = NativeDirectory::Status::Type;

struct Level {
    QByteArray native;
    QString shown;
    QString prefix;
    std::vector<NativeDirectory::Entry> items;
    std::size_t position = 0;
    UniqueNames names;
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

QString leftOutWarning(const QString& shown)
{
    return QCoreApplication::translate("ZipFolderWalk", "left out the folder %1: the set is written there (its ZIP folder or work folder)").arg(shown);
}

} // namespace

QByteArray ZipFolderWalk::canonical(const QByteArray& path)
{
    char* resolved = ::realpath(path.constData(), nullptr);
    if (!resolved)
        return {};
    QByteArray result(resolved);
    std::free(resolved);
    return result;
}

bool ZipFolderWalk::inside(const QByteArray& path, const QByteArray& root)
{
    return path == root || path.startsWith(root.endsWith('/') ? root : root + '/');
}

void ZipFolderWalk::walk(const QString& folder, const QString& prefix, const Options& options,
                         QList<Entry>* entries, QStringList* warnings)
{
    walk(folder, prefix, options, [entries](const Entry& e, uint64_t) {
        entries->append(e);
        return true;
    }, warnings);
}

void ZipFolderWalk::walk(const QString& folder, const QString& prefix, const Options& options, const Visit& visit,
                         QStringList* warnings)
{
    const QByteArray rootNative = QFile::encodeName(folder);
    const QByteArray root = canonical(rootNative);
    const uint64_t device = NativeDirectory::status(rootNative).device;
    const auto leftOut = [&options](const QByteArray& real, bool orInside) {
        return std::any_of(options.leftOutFolders.begin(), options.leftOutFolders.end(),
                           [&](const QByteArray& f) { return orInside ? inside(real, f) : real == f; });
    };
    if (!root.isEmpty() && leftOut(root, true)) {
        warnings->append(leftOutWarning(folder));
        return;
    }
    std::vector<Level> levels;
    bool going = true;

    const auto enter = [&](const QByteArray& native, const QString& shown, const QString& levelPrefix) {
        QString why;
        auto items = NativeDirectory::list(native, &why);
        if (!items) {
            warnings->append(QCoreApplication::translate("ZipFolderWalk", "skipped the folder %1: %2").arg(shown, why));
            return;
        }
        if (items->empty() && !levelPrefix.isEmpty())
            going = visit({QString(), QByteArray(), levelPrefix}, 0);
        sortForZip(native, *items);
        QStringList names;
        for (const NativeDirectory::Entry& e : *items)
            names << e.name;
        levels.push_back({native, shown, levelPrefix, std::move(*items), 0, UniqueNames(names)});
    };
    enter(rootNative, folder, prefix);

    while (going && !levels.empty()) {
        Level& level = levels.back();
        if (level.position >= level.items.size()) {
            levels.pop_back();
            continue;
        }
        const NativeDirectory::Entry item = level.items[level.position++];
        const QByteArray native = NativeDirectory::join(level.native, item.nativeName);
        const QString shown = level.shown + QLatin1Char('/') + item.name;
        const NativeDirectory::Status status = NativeDirectory::status(native);
        // The name stored for an entry that is stored, told when it is not its own.
        const auto claimName = [&] {
            const QString named = item.utf8 ? item.name : NativeDirectory::escaped(item.nativeName);
            const UniqueNames::Claim claim = level.names.claim(item.name, item.nativeName, item.utf8, named);
            if (claim.renamed)
                warnings->append(UniqueNames::warning(level.shown, named, claim));
            else if (!item.utf8)
                warnings->append(QCoreApplication::translate("ZipFolderWalk", "the name %1 is not UTF-8: stored as %2, its bytes read as Windows-1252")
                                     .arg(level.shown + QLatin1Char('/') + named, shown));
            return level.prefix + claim.name;
        };

        if (status.link) {
            const QByteArray target = canonical(native);
            if (status.type == Type::Missing || target.isEmpty()) {
                warnings->append(QCoreApplication::translate("ZipFolderWalk", "skipped %1: a broken link").arg(shown));
                continue;
            }
            if (!inside(target, root)) {
                warnings->append(QCoreApplication::translate("ZipFolderWalk", "skipped %1: a link to %2, outside the folder")
                                     .arg(shown, QFile::decodeName(target)));
                continue;
            }
            if (status.type == Type::Directory) {
                warnings->append(QCoreApplication::translate("ZipFolderWalk", "skipped %1: a link to a folder, which is not followed").arg(shown));
                continue;
            }
            if (leftOut(target, true)) {
                warnings->append(QCoreApplication::translate("ZipFolderWalk", "skipped %1: a link into a folder the set is written to").arg(shown));
                continue;
            }
        }
        if (status.type == Type::Directory) {
            if (status.device != device) {
                warnings->append(QCoreApplication::translate("ZipFolderWalk", "skipped the folder %1: it is on another file system").arg(shown));
                continue;
            }
            if (!options.leftOutFolders.isEmpty() && leftOut(canonical(native), false)) {
                warnings->append(leftOutWarning(shown));
                continue;
            }
            const QString zipName = claimName();
            // enter() may move the levels; `level` is not used after it.
            enter(native, shown, zipName + QLatin1Char('/'));
            continue;
        }
        if (status.type != Type::File) {
            warnings->append(QCoreApplication::translate("ZipFolderWalk", "skipped %1: not a file or folder").arg(shown));
            continue;
        }
        if (!options.excludedFile.isEmpty() && canonical(native) == options.excludedFile)
            continue;
        if (OwnWorkingFiles::matches(item.name)) {
            warnings->append(QCoreApplication::translate("ZipFolderWalk", "left out %1: a working file of zavok32 (a set's lock or a ZIP being written)")
                                 .arg(shown));
            continue;
        }
        going = visit({shown, native, claimName()}, status.size);
    }
}
