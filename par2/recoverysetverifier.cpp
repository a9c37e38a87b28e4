#include "recoverysetverifier.h"

#include "md5hash.h"

#include <QCoreApplication>
#include <QFile>

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <thread>

QStringList RecoverySetVerifier::Result::names(FileCheck::State state) const
{
    QStringList out;
    for (const FileCheck& f : files)
        if (f.state == state)
            out.append(f.name);
    return out;
}

RecoverySetVerifier::FileCheck RecoverySetVerifier::check(const LoadedSet& set, const DescribedFile& file,
                                                          std::atomic<qint64>* done, const std::atomic<bool>* cancel)
{
    FileCheck result;
    result.name = QString::fromUtf8(file.name);
    result.path = set.pathOf(file).value_or(QString());
    const uint64_t sliceSize = set.description.sliceSize;
    const qint64 slices = qint64(file.sliceCount(sliceSize));
    result.good.assign(size_t(slices), false);
    QFile in(result.path);
    if (result.path.isEmpty() || !in.open(QIODevice::ReadOnly))
        return result;
    result.size = in.size();
    const qint64 expected = qint64(file.length);
    const qint64 readable = std::min(result.size, expected);

    Md5Hash whole;
    QByteArray buffer;
    constexpr qint64 Chunk = 1 << 20;
    bool readFailed = false;
    for (qint64 s = 0; s < slices && !readFailed; ++s) {
        const qint64 start = s * qint64(sliceSize);
        const qint64 end = std::min(start + qint64(sliceSize), expected);
        Md5Hash sliceHash;
        uint32_t crc = uint32_t(crc32(0, nullptr, 0));
        qint64 at = start;
        for (; at < std::min(end, readable); at += buffer.size()) {
            if (cancel && cancel->load())
                return result;
            buffer = in.read(std::min(Chunk, std::min(end, readable) - at));
            if (buffer.isEmpty()) {
                readFailed = true;
                break;
            }
            const auto* bytes = reinterpret_cast<const uint8_t*>(buffer.constData());
            whole.add(bytes, size_t(buffer.size()));
            sliceHash.add(bytes, size_t(buffer.size()));
            crc = uint32_t(crc32(crc, bytes, uInt(buffer.size())));
            if (done)
                *done += buffer.size();
        }
        if (at < end || file.slices.empty())
            continue;
        const qint64 padding = qint64(sliceSize) - (end - start);
        sliceHash.addZeros(uint64_t(padding));
        static const uint8_t zeros[4096] = {};
        for (qint64 left = padding; left > 0; left -= qint64(sizeof zeros))
            crc = uint32_t(crc32(crc, zeros, uInt(std::min<qint64>(left, sizeof zeros))));
        result.good[size_t(s)] = file.slices[size_t(s)] == SliceChecksum{sliceHash.digest(), crc};
    }
    if (!readFailed && result.size == expected && whole.digest() == file.hash) {
        result.state = FileCheck::State::Complete;
        result.good.assign(size_t(slices), true);
    } else {
        result.state = FileCheck::State::Damaged;
    }
    return result;
}

RecoverySetVerifier::Result RecoverySetVerifier::verify(const QString& par2Path, const Options& options)
{
    Result result;
    auto set = RecoverySetLoader::load(par2Path, &result.error);
    if (!set)
        return result;
    result.set = std::move(*set);
    const auto& files = result.set.description.files;
    result.files.resize(files.size());
    qint64 total = 0;
    for (const DescribedFile& f : files)
        total += qint64(f.length);

    std::atomic<int> next{0};
    std::atomic<qint64> done{0};
    std::atomic<int> running{0};
    int threads = options.threads > 0 ? options.threads : int(std::max(1u, std::thread::hardware_concurrency()));
    threads = std::max(1, std::min(threads, int(files.size())));
    std::vector<std::thread> workers;
    running = threads;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&] {
            for (int i; (i = next.fetch_add(1)) < int(files.size());)
                result.files[size_t(i)] = check(result.set, files[size_t(i)], &done, options.cancel);
            --running;
        });
    while (running > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (options.progress)
            options.progress(std::min(done.load(), total), total);
    }
    for (std::thread& w : workers)
        w.join();
    if (options.cancel && options.cancel->load()) {
        result.error = QCoreApplication::translate("RecoverySetVerifier", "cancelled");
        return result;
    }
    for (const FileCheck& f : result.files)
        result.lostSlices += f.lostSlices();
    result.ok = true;
    return result;
}
