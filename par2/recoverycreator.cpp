#include "recoverycreator.h"

#include "packetformat.h"
#include "recoverymatrix.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <numeric>

namespace {

const char* const PartialSuffix = ".partial";

// The hashes of one file as its bytes go by: the whole file, the slice
// being read (the first slice shares the file's hash state) and its CRC.
struct FileHashing
{
    Md5Hash file;
    Md5Hash slice;
    uint32_t crc = 0;
    std::vector<SliceChecksum> slices;
};

uint32_t crcZeros(uint32_t crc, qint64 bytes)
{
    static const uint8_t zeros[4096] = {};
    for (; bytes > 0; bytes -= qint64(sizeof zeros))
        crc = uint32_t(crc32(crc, zeros, uInt(std::min<qint64>(bytes, sizeof zeros))));
    return crc;
}

bool writeAt(QFile& file, qint64 at, const char* data, qint64 bytes, QString* error)
{
    if (file.seek(at) && file.write(data, bytes) == bytes)
        return true;
    if (error)
        *error = QCoreApplication::translate("RecoveryCreator", "%1 could not be written: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    return false;
}

} // namespace

RecoveryCreator::Result RecoveryCreator::create(const QString& folder, const QStringList& names, const QString& base,
                                                const Options& options)
{
    Result result;
    const QDir dir(folder);
    const QByteArray creatorBody = PacketFormat::creatorBody("Created by " + options.creator);

    // Sizes, names and the hash of each file's first 16 KiB: the file IDs,
    // and through them the set's ID, are known before the long pass.
    std::vector<DescribedFile> files;
    std::vector<qint64> sizes;
    std::vector<QByteArray> storedNames;
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            result.error = QCoreApplication::translate("RecoveryCreator", "%1 could not be read: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
            return result;
        }
        DescribedFile d;
        d.name = name.toUtf8();
        d.length = uint64_t(file.size());
        const QByteArray head = file.read(16384);
        d.hash16k = Md5Hash::of(head.constData(), size_t(head.size()));
        d.id = PacketFormat::fileId(d.hash16k, d.length, d.name);
        files.push_back(d);
        sizes.push_back(qint64(d.length));
        storedNames.push_back(d.name);
    }
    const auto plan = RecoveryPlan::make(sizes, storedNames, options.rebuildableFiles, options.slicesPerLargestFile,
                                         base, PacketFormat::HeaderSize + creatorBody.size(), &result.error);
    if (!plan)
        return result;
    result.plan = *plan;
    const uint64_t sliceSize = plan->sliceSize;

    std::sort(files.begin(), files.end(), [](const DescribedFile& a, const DescribedFile& b) {
        return PacketFormat::idLess(a.id, b.id);
    });
    std::vector<Md5Digest> ids;
    for (const DescribedFile& f : files)
        ids.push_back(f.id);
    const QByteArray mainBody = PacketFormat::mainBody(sliceSize, ids);
    const Md5Digest setId = Md5Hash::of(mainBody.constData(), size_t(mainBody.size()));

    std::vector<SliceSource> sources;
    int column = 0;
    for (const DescribedFile& f : files) {
        SliceSource s;
        s.path = dir.filePath(QString::fromUtf8(f.name));
        s.length = qint64(f.length);
        s.observe = true;
        s.columns.resize(size_t(f.sliceCount(sliceSize)));
        std::iota(s.columns.begin(), s.columns.end(), column);
        column += int(s.columns.size());
        sources.push_back(std::move(s));
    }
    const std::vector<uint16_t> logs = RecoveryMatrix::inputLogs(uint32_t(column));

    // The recovery files, under temporary names until all is written.
    std::vector<std::unique_ptr<QFile>> volumes;
    std::vector<int> volumeOf(plan->recoverySlices);
    const auto removePartials = [&] {
        for (auto& v : volumes)
            v->remove();
        QFile::remove(dir.filePath(base + QStringLiteral(".par2") + QLatin1String(PartialSuffix)));
    };
    for (size_t v = 0; v < plan->volumes.size(); ++v) {
        auto file = std::make_unique<QFile>(dir.filePath(plan->volumes[v].name + QLatin1String(PartialSuffix)));
        if (!file->open(QIODevice::ReadWrite | QIODevice::Truncate)) {
            result.error = QCoreApplication::translate("RecoveryCreator", "%1 could not be created: %2").arg(QDir::toNativeSeparators(file->fileName()), file->errorString());
            removePartials();
            return result;
        }
        volumes.push_back(std::move(file));
        for (uint32_t q = 0; q < plan->volumes[v].count; ++q)
            volumeOf[plan->volumes[v].firstExponent + q] = int(v);
    }
    const qint64 packetBytes = PacketFormat::RecoveryHeaderSize + qint64(sliceSize);
    const auto packetStart = [&](uint32_t exponent) {
        return qint64(exponent - plan->volumes[size_t(volumeOf[exponent])].firstExponent) * packetBytes;
    };

    std::vector<FileHashing> hashing(files.size());
    std::vector<Md5Hash> recoveryHashes;
    for (uint32_t e = 0; e < plan->recoverySlices; ++e)
        recoveryHashes.push_back(PacketFormat::recoveryHash(setId, e));

    const SliceCombiner::Observer observe = [&](int source, qint64 slice, qint64 at, const uint8_t* data, qint64 bytes) {
        FileHashing& h = hashing[size_t(source)];
        if (at == 0) {
            h.crc = uint32_t(crc32(0, nullptr, 0));
            if (slice > 0)
                h.slice = Md5Hash();
        }
        if (slice > 0)
            Md5Hash::addToBoth(h.file, h.slice, data, size_t(bytes));
        else
            h.file.add(data, size_t(bytes));
        h.crc = uint32_t(crc32(h.crc, data, uInt(bytes)));
        const qint64 inSlice = std::min<qint64>(qint64(sliceSize), qint64(files[size_t(source)].length) - slice * qint64(sliceSize));
        if (at + bytes == inSlice) {
            const qint64 padding = qint64(sliceSize) - inSlice;
            Md5Hash sliceHash = slice == 0 ? h.file : h.slice;
            sliceHash.addZeros(uint64_t(padding));
            h.slices.push_back({sliceHash.digest(), crcZeros(h.crc, padding)});
        }
    };
    const SliceCombiner::Sink sink = [&](int output, qint64 at, const uint8_t* data, qint64 bytes, QString* error) {
        const uint32_t e = uint32_t(output);
        recoveryHashes[e].add(data, size_t(bytes));
        return writeAt(*volumes[size_t(volumeOf[e])], packetStart(e) + PacketFormat::RecoveryHeaderSize + at,
                       reinterpret_cast<const char*>(data), bytes, error);
    };
    SliceCombiner combiner(qint64(sliceSize), int(plan->recoverySlices),
                           [&logs](int output, int column) {
                               return RecoveryMatrix::coefficient(logs[size_t(column)], uint32_t(output));
                           },
                           options.engine);
    if (!combiner.run(sources, observe, sink, &result.error)) {
        removePartials();
        return result;
    }

    // The index packets, now that every hash is known.
    QByteArray index = PacketFormat::packet(setId, PacketFormat::Main, mainBody);
    for (size_t i = 0; i < files.size(); ++i) {
        DescribedFile& f = files[i];
        f.hash = hashing[i].file.digest();
        f.slices = std::move(hashing[i].slices);
        if (f.slices.size() != f.sliceCount(sliceSize)) {
            result.error = QCoreApplication::translate("RecoveryCreator", "%1 changed while it was read.").arg(QString::fromUtf8(f.name));
            removePartials();
            return result;
        }
        index += PacketFormat::packet(setId, PacketFormat::FileDescription, PacketFormat::fileDescriptionBody(f));
        index += PacketFormat::packet(setId, PacketFormat::SliceChecksums, PacketFormat::sliceChecksumBody(f));
    }
    index += PacketFormat::packet(setId, PacketFormat::Creator, creatorBody);

    for (uint32_t e = 0; e < plan->recoverySlices; ++e) {
        const QByteArray header = PacketFormat::recoveryHeader(setId, e, sliceSize, recoveryHashes[e].digest());
        if (!writeAt(*volumes[size_t(volumeOf[e])], packetStart(e), header.constData(), header.size(), &result.error)) {
            removePartials();
            return result;
        }
    }
    for (size_t v = 0; v < volumes.size(); ++v) {
        if (plan->indexInVolumes
            && !writeAt(*volumes[v], qint64(plan->volumes[v].count) * packetBytes, index.constData(), index.size(),
                        &result.error)) {
            removePartials();
            return result;
        }
    }
    QFile indexFile(dir.filePath(base + QStringLiteral(".par2") + QLatin1String(PartialSuffix)));
    if (!indexFile.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || !writeAt(indexFile, 0, index.constData(), index.size(), &result.error) || !indexFile.flush()) {
        if (result.error.isEmpty())
            result.error = QCoreApplication::translate("RecoveryCreator", "%1 could not be written: %2").arg(QDir::toNativeSeparators(indexFile.fileName()), indexFile.errorString());
        removePartials();
        return result;
    }
    indexFile.close();

    // Into place: the recovery files, then the index that names the set.
    std::vector<QFile*> all;
    for (auto& v : volumes)
        all.push_back(v.get());
    all.push_back(&indexFile);
    for (QFile* file : all) {
        file->close();
        QString finalName = file->fileName();
        finalName.chop(int(qstrlen(PartialSuffix)));
        QFile::remove(finalName);
        if (!file->rename(finalName)) {
            result.error = QCoreApplication::translate("RecoveryCreator", "%1 could not be written: %2").arg(QDir::toNativeSeparators(finalName), file->errorString());
            removePartials();
            for (const QString& done : std::as_const(result.files))
                QFile::remove(done);
            result.files.clear();
            return result;
        }
        result.bytes += QFileInfo(finalName).size();
        result.files.append(finalName);
    }
    result.files.move(result.files.size() - 1, 0);
    result.ok = true;
    return result;
}
