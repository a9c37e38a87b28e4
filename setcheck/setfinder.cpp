#include "setcheck/setfinder.h"

#include "platform/zipreader.h"
#include "setcheck/setnames.h"
#include "setcheck/sfvfile.h"
#include "setcheck/sha256file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

// The names in a folder, found in any letter case as sets copied from DOS
// media may have them.
struct SetFinder::Folder {
    QString path;
    QStringList files; // sorted
    QHash<QString, QString> byLowerName;

    explicit Folder(const QString& host)
        : path(host)
        , files(QDir(host).entryList(QDir::Files | QDir::Hidden, QDir::Name))
    {
        for (const QString& f : files)
            byLowerName.insert(f.toLower(), f);
    }
    QString real(const QString& name) const { return byLowerName.value(name.toLower()); }
    QString realOr(const QString& name) const
    {
        const QString found = real(name);
        return found.isEmpty() ? name : found;
    }
    QByteArray read(const QString& name) const
    {
        QFile file(path + QLatin1Char('/') + name);
        return file.open(QIODevice::ReadOnly) ? file.read(SetFinder::kMaxDescriptionBytes * 16) : QByteArray();
    }
};

namespace {

bool endsWith(const QString& name, const char* suffix)
{
    return name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

void addStrays(FoundSet& set, const QStringList& files)
{
    QSet<QString> own;
    for (const SetFile& f : set.zips)
        own.insert(f.name.toLower());
    for (const QString& f : files) {
        if (own.contains(f.toLower()))
            continue;
        for (const int digits : {2, 3}) {
            const auto split = setnames::splitZipName(f, digits);
            if (split && split->stem.compare(set.stem, Qt::CaseInsensitive) == 0) {
                set.strays << SetFile{f, split->number, false, {}};
                break;
            }
        }
    }
}

} // namespace

SetFinder::SetFinder(ZipReader& reader)
    : m_reader(reader)
{
}

SetFinder::Found SetFinder::find(const QString& hostPath)
{
    Found found;
    const QFileInfo info(hostPath);
    if (!info.exists()) {
        found.problem = hostPath + QCoreApplication::translate("SetFinder", " does not exist");
        return found;
    }
    if (info.isDir()) {
        found.sets = fromFolder(Folder(info.absoluteFilePath()));
        if (found.sets.isEmpty())
            found.problem = hostPath + QCoreApplication::translate("SetFinder", " holds no set of ZIPs");
        return found;
    }
    const Folder folder(info.absolutePath());
    const QString name = info.fileName();
    std::optional<FoundSet> set;
    // A pipe or a device is never read, whatever its name.
    if (!info.isFile()) {
        found.problem = hostPath + QCoreApplication::translate("SetFinder", " is not a folder, a ZIP or a checksum file (.sfv, .sha256)");
    } else if (endsWith(name, ".sfv") || endsWith(name, ".sha256")) {
        set = fromChecksumFiles(folder, name.left(name.lastIndexOf(QLatin1Char('.'))));
        if (!set)
            found.problem = hostPath + QCoreApplication::translate("SetFinder", " lists no file");
    } else if (endsWith(name, ".zip")) {
        set = fromZip(folder, name, true);
    } else {
        found.problem = hostPath + QCoreApplication::translate("SetFinder", " is not a folder, a ZIP or a checksum file (.sfv, .sha256)");
    }
    if (set)
        found.sets << *set;
    return found;
}

std::optional<FoundSet> SetFinder::fromChecksumFiles(const Folder& folder, const QString& base)
{
    const QString sfv = folder.real(base + QStringLiteral(".sfv"));
    const QString sha = folder.real(base + QStringLiteral(".sha256"));
    QList<SetFile> listed;
    QHash<QString, int> at;
    const auto merge = [&](const QList<ChecksumItem>& items) {
        for (const ChecksumItem& item : items) {
            const QString key = item.name.toLower();
            if (!at.contains(key)) {
                at.insert(key, int(listed.size()));
                listed << SetFile{folder.realOr(item.name), 0, true, item};
                continue;
            }
            ChecksumItem& sums = listed[at.value(key)].sums;
            if (item.crc)
                sums.crc = item.crc;
            if (!item.sha256.isEmpty())
                sums.sha256 = item.sha256;
        }
    };
    if (!sfv.isEmpty())
        merge(SfvFile::read(folder.read(sfv)).items);
    if (!sha.isEmpty())
        merge(Sha256File::read(folder.read(sha)).items);
    if (listed.isEmpty())
        return std::nullopt;

    FoundSet set;
    set.folder = folder.path;
    set.stem = base;
    set.digits = 0;
    for (const QString& f : {sfv, sha}) {
        if (!f.isEmpty())
            set.checksumFiles << f;
    }
    for (SetFile& file : listed) {
        if (!endsWith(file.name, ".zip")) {
            set.extras << file;
            continue;
        }
        const QString middle = file.name.chopped(4).mid(base.size());
        bool numbered = file.name.startsWith(base, Qt::CaseInsensitive) && !middle.isEmpty();
        for (const QChar c : middle)
            numbered = numbered && c.isDigit() && c.unicode() < 128;
        file.number = numbered ? middle.toInt() : int(set.zips.size()) + 1;
        if (numbered && set.digits == 0)
            set.digits = int(middle.size());
        set.zips << file;
    }
    if (set.zips.isEmpty())
        return std::nullopt;
    std::stable_sort(set.zips.begin(), set.zips.end(), [](const SetFile& a, const SetFile& b) { return a.number < b.number; });
    set.count = int(set.zips.size());
    addStrays(set, folder.files);
    return set;
}

std::optional<FoundSet> SetFinder::fromZip(const Folder& folder, const QString& zipName, bool useChecksumFiles)
{
    if (useChecksumFiles) {
        QStringList bases{zipName.chopped(4)};
        for (const int digits : {3, 2}) {
            if (const auto split = setnames::splitZipName(zipName, digits))
                bases << split->stem;
        }
        for (const QString& base : bases) {
            const auto set = fromChecksumFiles(folder, base);
            if (!set)
                continue;
            for (const SetFile& f : set->zips) {
                if (f.name.compare(zipName, Qt::CaseInsensitive) == 0)
                    return set;
            }
        }
    }

    const auto description = m_reader.entryBytes(folder.path + QLatin1Char('/') + zipName,
                                                 QStringLiteral("file_id.diz"), kMaxDescriptionBytes);
    for (const int digits : {2, 3}) {
        const auto split = setnames::splitZipName(zipName, digits);
        if (!split || !description)
            continue;
        const auto numbering = setnames::findNumbering(*description, split->number);
        if (numbering && numbering->digits == digits)
            return byBaseName(folder, split->stem, digits, numbering->count);
    }

    // No numbering to go by: the numbers in the names are all there is.
    auto split = setnames::splitZipName(zipName, 2);
    if (const auto three = setnames::splitZipName(zipName, 3);
        three && !folder.real(setnames::zipName(three->stem, 1, 3)).isEmpty())
        split = three;
    if (!split) {
        FoundSet single;
        single.folder = folder.path;
        single.stem = zipName.chopped(4);
        single.digits = 0;
        single.count = 1;
        single.zips << SetFile{zipName, 1, false, {}};
        return single;
    }
    int highest = 0;
    for (const QString& f : folder.files) {
        const auto other = setnames::splitZipName(f, split->digits);
        if (other && other->stem.compare(split->stem, Qt::CaseInsensitive) == 0)
            highest = std::max(highest, other->number);
    }
    return byBaseName(folder, split->stem, split->digits, highest);
}

FoundSet SetFinder::byBaseName(const Folder& folder, const QString& stem, int digits, int count)
{
    FoundSet set;
    set.folder = folder.path;
    set.stem = stem;
    set.digits = digits;
    set.count = count;
    for (int n = 1; n <= count; ++n)
        set.zips << SetFile{folder.realOr(setnames::zipName(stem, n, digits)), n, false, {}};
    addStrays(set, folder.files);
    return set;
}

QList<FoundSet> SetFinder::fromFolder(const Folder& folder)
{
    QList<FoundSet> sets;
    QSet<QString> claimed;
    const auto claim = [&](const FoundSet& set) {
        for (const QList<SetFile>* files : {&set.zips, &set.strays, &set.extras}) {
            for (const SetFile& f : *files)
                claimed.insert(f.name.toLower());
        }
        sets << set;
    };
    QSet<QString> bases;
    for (const QString& f : folder.files) {
        if (!endsWith(f, ".sfv") && !endsWith(f, ".sha256"))
            continue;
        const QString base = f.left(f.lastIndexOf(QLatin1Char('.')));
        if (bases.contains(base.toLower()))
            continue;
        bases.insert(base.toLower());
        if (const auto set = fromChecksumFiles(folder, base))
            claim(*set);
    }
    for (const QString& f : folder.files) {
        if (!endsWith(f, ".zip") || claimed.contains(f.toLower()))
            continue;
        if (const auto set = fromZip(folder, f, false))
            claim(*set);
    }
    return sets;
}
