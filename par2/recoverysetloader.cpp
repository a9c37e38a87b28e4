#include "recoverysetloader.h"

#include "packetformat.h"
#include "packetreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace {

constexpr uint64_t MaxSliceSize = uint64_t(1) << 32;

bool safeName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') || name.contains(QChar(0)))
        return false;
    const QStringList parts = name.split(u'/');
    return std::none_of(parts.begin(), parts.end(), [](const QString& p) {
        return p.isEmpty() || p == QLatin1String(".") || p == QLatin1String("..");
    });
}

} // namespace

std::optional<QString> LoadedSet::pathOf(const DescribedFile& file) const
{
    const QString name = QString::fromUtf8(file.name);
    if (!safeName(name))
        return std::nullopt;
    return QDir(folder).filePath(name);
}

QString RecoverySetLoader::baseName(const QString& fileName)
{
    QString base = fileName;
    if (base.endsWith(QLatin1String(".par2"), Qt::CaseInsensitive))
        base.chop(5);
    static const QRegularExpression volume(QStringLiteral("\\.vol\\d+[+-]\\d+$"), QRegularExpression::CaseInsensitiveOption);
    base.remove(volume);
    return base;
}

std::optional<LoadedSet> RecoverySetLoader::load(const QString& par2Path, QString* error)
{
    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return std::nullopt;
    };
    const QFileInfo info(par2Path);
    if (!info.isFile())
        return fail(QCoreApplication::translate("RecoverySetLoader", "%1 does not exist.").arg(QDir::toNativeSeparators(par2Path)));
    LoadedSet set;
    set.folder = info.absolutePath();
    const QString base = baseName(info.fileName());

    // The named file first: its main packet names the set.
    QStringList paths{info.absoluteFilePath()};
    const QDir dir(set.folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(name);
        if (path != paths.first() && name.endsWith(QLatin1String(".par2"), Qt::CaseInsensitive)
            && baseName(name) == base)
            paths.append(path);
    }
    std::vector<std::pair<QString, PacketReader::Packets>> read;
    for (const QString& path : paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            read.emplace_back(path, PacketReader::read(file));
    }
    const PacketReader::Main* main = nullptr;
    for (const auto& [path, packets] : read)
        if (!main && !packets.mains.empty())
            main = &packets.mains.front();
    if (!main)
        return fail(QCoreApplication::translate("RecoverySetLoader", "%1 holds no readable recovery set.").arg(QDir::toNativeSeparators(par2Path)));
    const Md5Digest setId = main->setId;
    SetDescription& d = set.description;
    d.setId = setId;
    d.sliceSize = main->sliceSize;
    if (d.sliceSize == 0 || d.sliceSize % 4 != 0 || d.sliceSize > MaxSliceSize)
        return fail(QCoreApplication::translate("RecoverySetLoader", "%1 gives a slice size that is not valid.").arg(QDir::toNativeSeparators(par2Path)));

    std::map<Md5Digest, DescribedFile> descriptions;
    std::map<Md5Digest, std::vector<SliceChecksum>> checksums;
    std::map<uint32_t, LoadedSet::Block> blocks;
    for (const auto& [path, packets] : read) {
        for (const auto& p : packets.descriptions)
            if (p.setId == setId && p.file.id == PacketFormat::fileId(p.file.hash16k, p.file.length, p.file.name))
                descriptions.emplace(p.file.id, p.file);
        for (const auto& p : packets.checksums)
            if (p.setId == setId)
                checksums.emplace(p.fileId, p.slices);
        for (const auto& p : packets.recovery)
            if (p.setId == setId && uint64_t(p.dataBytes) == d.sliceSize)
                blocks.emplace(p.exponent, LoadedSet::Block{p.exponent, path, p.dataOffset});
        if (set.creator.isEmpty() && !packets.creators.empty())
            set.creator = QString::fromUtf8(packets.creators.front());
        set.par2Files.append(path);
    }
    uint64_t slices = 0;
    for (const Md5Digest& id : main->recoveryFileIds) {
        const auto found = descriptions.find(id);
        if (found == descriptions.end())
            return fail(QCoreApplication::translate("RecoverySetLoader", "The recovery set of %1 lacks the description of one of its files.")
                            .arg(QDir::toNativeSeparators(par2Path)));
        DescribedFile file = found->second;
        if (!safeName(QString::fromUtf8(file.name)))
            return fail(QCoreApplication::translate("RecoverySetLoader", "The recovery set of %1 names a file outside its folder.")
                            .arg(QDir::toNativeSeparators(par2Path)));
        const uint64_t count = file.sliceCount(d.sliceSize);
        slices += count;
        if (slices > PacketFormat::MaxInputSlices)
            return fail(QCoreApplication::translate("RecoverySetLoader", "The recovery set of %1 has more slices than the format allows.")
                            .arg(QDir::toNativeSeparators(par2Path)));
        const auto sums = checksums.find(id);
        if (sums != checksums.end() && sums->second.size() == count)
            file.slices = sums->second;
        d.files.push_back(std::move(file));
    }
    for (const auto& [exponent, block] : blocks)
        set.blocks.push_back(block);
    return set;
}
