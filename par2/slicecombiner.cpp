#include "slicecombiner.h"

#include "regionbuffer.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

constexpr qint64 Piece = 256 * 1024; // bytes read at a time
constexpr qint64 Block = qint64(RegionKernel::Block);
// Slices a thread gathers before it multiplies them into its sums: each
// stretch of the sums is then fetched from memory once for all of them.
constexpr int BatchSlices = 8;
constexpr qint64 Stretch = 16 * 1024;

qint64 roundUp(qint64 v, qint64 to)
{
    return (v + to - 1) / to * to;
}

} // namespace

struct SliceCombiner::Pass
{
    qint64 start = 0; // window in the slice
    qint64 end = 0;
    qint64 stride = 0; // bytes of one output in a thread's sums
    bool first = false;
    int threads = 1;
    std::vector<RegionBuffer> sums; // per thread, outputs x stride, planar
    std::atomic<int> nextSource{0};
    std::atomic<qint64> done{0};
    std::atomic<bool> failed{false};
    std::mutex mutex;
    std::condition_variable finished;
    int running = 0;
    QString error;

    void fail(const QString& message)
    {
        std::lock_guard lock(mutex);
        if (!failed.exchange(true))
            error = message;
    }
};

SliceCombiner::SliceCombiner(qint64 sliceSize, int outputs, Coefficient coefficient, Options options)
    : m_sliceSize(sliceSize)
    , m_outputs(outputs)
    , m_coefficient(std::move(coefficient))
    , m_options(std::move(options))
{
    if (!m_options.kernel)
        m_options.kernel = &RegionKernel::best();
}

qint64 SliceCombiner::windowBytes(int threads) const
{
    const qint64 padded = roundUp(m_sliceSize, Block);
    if (m_outputs == 0)
        return padded;
    const qint64 copies = qint64(threads) * (m_outputs + BatchSlices) + (m_transform.empty() ? 0 : m_outputs);
    const qint64 perOutput = qint64(m_options.memoryBudget) / copies / Block * Block;
    return std::clamp(perOutput, std::min<qint64>(padded, 16 * Block), padded);
}

bool SliceCombiner::run(const std::vector<SliceSource>& sources, const Observer& observer, const Sink& sink,
                        QString* error)
{
    int threads = m_options.threads > 0 ? m_options.threads : int(std::max(1u, std::thread::hardware_concurrency()));
    threads = std::max(1, std::min<int>(threads, int(sources.size())));
    const qint64 padded = roundUp(m_sliceSize, Block);
    const qint64 window = windowBytes(threads);

    // What all passes read, for the progress.
    qint64 total = 0;
    for (qint64 start = 0; start < padded; start += window)
        for (const SliceSource& s : sources)
            for (qint64 slice = 0; slice < qint64(s.columns.size()); ++slice) {
                const qint64 inSlice = std::clamp<qint64>(s.length - slice * m_sliceSize, 0, m_sliceSize);
                if (start == 0 && s.observe)
                    total += inSlice;
                else if (s.columns[size_t(slice)] >= 0)
                    total += std::max<qint64>(0, std::min(inSlice, start + window) - start);
            }
    qint64 doneBefore = 0;
    std::vector<uint8_t> mixed;
    std::vector<uint8_t> plain(static_cast<size_t>(window));

    for (qint64 start = 0; start < padded; start += window) {
        Pass pass;
        pass.start = start;
        pass.end = std::min(padded, start + window);
        pass.stride = pass.end - pass.start;
        pass.first = start == 0;
        pass.threads = threads;
        for (int t = 0; t < threads; ++t)
            pass.sums.emplace_back(size_t(pass.stride * m_outputs));

        std::vector<std::thread> workers;
        pass.running = threads;
        for (int t = 0; t < threads; ++t)
            workers.emplace_back([&, t] {
                runPass(sources, observer, pass, t);
                std::lock_guard lock(pass.mutex);
                --pass.running;
                pass.finished.notify_all();
            });
        {
            std::unique_lock lock(pass.mutex);
            while (pass.running > 0) {
                pass.finished.wait_for(lock, std::chrono::milliseconds(100));
                if (m_options.progress) {
                    lock.unlock();
                    m_options.progress(std::min(total, doneBefore + pass.done.load()), total);
                    lock.lock();
                }
            }
        }
        for (std::thread& w : workers)
            w.join();
        doneBefore += pass.done.load();
        if (pass.failed) {
            if (error)
                *error = pass.error;
            return false;
        }
        if (m_options.cancel && m_options.cancel->load()) {
            if (error)
                *error = QCoreApplication::translate("SliceCombiner", "cancelled");
            return false;
        }

        // The threads' sums add up; then the transform, if any, mixes them.
        RegionBuffer& sums = pass.sums[0];
        for (int t = 1; t < threads; ++t)
            RegionKernel::add(sums.data(), pass.sums[size_t(t)].data(), sums.size());
        const uint8_t* result = sums.data();
        if (!m_transform.empty()) {
            mixed.assign(sums.size(), 0);
            for (int o = 0; o < m_outputs; ++o)
                for (int j = 0; j < m_outputs; ++j)
                    m_options.kernel->mulAdd(mixed.data() + o * pass.stride, sums.data() + j * pass.stride,
                                             size_t(pass.stride), m_transform[size_t(o * m_outputs + j)]);
            result = mixed.data();
        }
        const qint64 bytes = std::min(pass.end, m_sliceSize) - pass.start;
        for (int o = 0; o < m_outputs; ++o) {
            m_options.kernel->fromPlanar(plain.data(), result + o * pass.stride, size_t(pass.stride));
            QString sinkError;
            if (!sink(o, pass.start, plain.data(), bytes, &sinkError)) {
                if (error)
                    *error = sinkError;
                return false;
            }
        }
    }
    if (m_options.progress)
        m_options.progress(total, total);
    return true;
}

bool SliceCombiner::runPass(const std::vector<SliceSource>& sources, const Observer& observer, Pass& pass,
                            int slot)
{
    static_assert(Piece % Block == 0);
    std::vector<uint8_t> buffer(static_cast<size_t>(Piece));
    RegionBuffer batch(static_cast<size_t>(BatchSlices * pass.stride));
    struct Slot
    {
        int column;
        qint64 extent; // planar bytes from the window's start
    };
    std::vector<Slot> gathered;
    std::vector<uint16_t> coefficients;
    uint8_t* sums = pass.sums[size_t(slot)].data();
    const RegionKernel& kernel = *m_options.kernel;

    // The gathered slices into the sums, stretch by stretch.
    const auto flush = [&] {
        qint64 extent = 0;
        coefficients.resize(gathered.size() * size_t(m_outputs));
        for (size_t b = 0; b < gathered.size(); ++b) {
            extent = std::max(extent, gathered[b].extent);
            for (int o = 0; o < m_outputs; ++o)
                coefficients[size_t(o) * gathered.size() + b] = m_coefficient(o, gathered[b].column);
        }
        for (qint64 at = 0; at < extent; at += Stretch)
            for (int o = 0; o < m_outputs; ++o)
                for (size_t b = 0; b < gathered.size(); ++b)
                    if (gathered[b].extent > at)
                        kernel.mulAdd(sums + o * pass.stride + at, batch.data() + qint64(b) * pass.stride + at,
                                      size_t(std::min(Stretch, gathered[b].extent - at)),
                                      coefficients[size_t(o) * gathered.size() + b]);
        gathered.clear();
    };
    // Bytes [at, at + bytes) of one slice, already in the buffer, into the
    // slice's slot when they fall in the pass's window.
    const auto gather = [&](int column, qint64 at, qint64 bytes) {
        const qint64 from = std::max(at, pass.start);
        const qint64 to = std::min(at + bytes, pass.end);
        if (column < 0 || from >= to)
            return;
        if (gathered.empty() || gathered.back().column != column) {
            if (int(gathered.size()) == BatchSlices)
                flush();
            gathered.push_back({column, 0});
        }
        const qint64 span = roundUp(to - from, Block);
        std::fill(buffer.begin() + (to - at), buffer.begin() + (from - at) + span, uint8_t(0));
        Slot& s = gathered.back();
        kernel.toPlanar(batch.data() + qint64(gathered.size() - 1) * pass.stride + (from - pass.start),
                        buffer.data() + (from - at), size_t(span));
        s.extent = std::max(s.extent, from - pass.start + span);
    };

    for (;;) {
        if (pass.failed || (m_options.cancel && m_options.cancel->load()))
            return false;
        const int index = pass.nextSource.fetch_add(1);
        if (index >= int(sources.size())) {
            flush();
            return true;
        }
        const SliceSource& source = sources[size_t(index)];
        const bool observing = pass.first && source.observe && observer;
        QFile file(source.path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            pass.fail(QStringLiteral("%1: %2").arg(source.path, file.errorString()));
            return false;
        }
        for (qint64 slice = 0; slice < qint64(source.columns.size()); ++slice) {
            const int column = source.columns[size_t(slice)];
            if (column < 0 && !observing)
                continue;
            const qint64 sliceStart = slice * m_sliceSize;
            const qint64 inSlice = std::clamp<qint64>(source.length - sliceStart, 0, m_sliceSize);
            // A later pass reads only its window; the first pass of an
            // observed source reads everything.
            qint64 at = observing ? 0 : pass.start;
            const qint64 stop = observing ? inSlice : std::min(inSlice, pass.end);
            for (; at < stop; at += Piece) {
                if (pass.failed || (m_options.cancel && m_options.cancel->load()))
                    return false;
                const qint64 bytes = std::min(Piece, stop - at);
                if (!file.seek(source.offset + sliceStart + at)
                    || file.read(reinterpret_cast<char*>(buffer.data()), bytes) != bytes) {
                    pass.fail(QCoreApplication::translate("SliceCombiner", "%1: could not be read (%2)").arg(source.path, file.errorString()));
                    return false;
                }
                if (observing)
                    observer(index, slice, at, buffer.data(), bytes);
                gather(column, at, bytes);
                pass.done += bytes;
            }
        }
    }
}
