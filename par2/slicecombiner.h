#pragma once

#include "regionkernel.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

// One file read as a run of slices: slice s is the bytes [offset + s*S,
// offset + (s+1)*S) of the file, cut at length and padded with zeros.
struct SliceSource
{
    QString path;
    qint64 offset = 0;
    qint64 length = 0;
    std::vector<int> columns; // the column each slice feeds, or -1
    bool observe = false;     // hand every byte to the observer, in order
};

// Computes outputs[o] = sum over columns c of coefficient(o, c) * slice(c)
// in GF(2^16): Reed-Solomon encoding when the outputs are recovery slices,
// repair when they are lost input slices (then an outputs x outputs
// transform is applied to the sums). Each worker thread takes whole sources,
// so a file is read once, in order, and can be hashed in the same pass. The
// sums are kept for a window of each slice at a time, sized to the memory
// budget; when the slices do not fit, later passes read only their window.
class SliceCombiner
{
public:
    struct Options
    {
        int threads = 0;                     // 0: one per core
        size_t memoryBudget = size_t(256) << 20;
        const RegionKernel* kernel = nullptr; // nullptr: the fastest there is
        const std::atomic<bool>* cancel = nullptr;
        std::function<void(qint64 done, qint64 total)> progress; // on the calling thread
    };
    using Coefficient = std::function<uint16_t(int output, int column)>;
    // A source's bytes in order (first pass only, on a worker thread).
    using Observer = std::function<void(int source, qint64 slice, qint64 offsetInSlice, const uint8_t* data, qint64 bytes)>;
    // An output's bytes, window by window in order, on the calling thread.
    using Sink = std::function<bool(int output, qint64 offsetInSlice, const uint8_t* data, qint64 bytes, QString* error)>;

    SliceCombiner(qint64 sliceSize, int outputs, Coefficient coefficient, Options options);

    // Row-major, outputs x outputs: outputs[o] = sum_j transform[o][j] * sums[j].
    void setTransform(std::vector<uint16_t> transform) { m_transform = std::move(transform); }

    bool run(const std::vector<SliceSource>& sources, const Observer& observer, const Sink& sink, QString* error);

    // The window of each slice that one pass holds, and how many passes that takes.
    qint64 windowBytes(int threads) const;

private:
    struct Pass;
    bool runPass(const std::vector<SliceSource>& sources, const Observer& observer, Pass& pass, int slot);

    qint64 m_sliceSize;
    int m_outputs;
    Coefficient m_coefficient;
    Options m_options;
    std::vector<uint16_t> m_transform;
};
