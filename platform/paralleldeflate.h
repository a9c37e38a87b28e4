#pragma once

#include <QByteArray>
#include "platform/workerpool.h"

#include <cstdint>
#include <deque>
#include <memory>

// Deflates one stream in parts on every core and hands the parts back in
// order as one valid raw deflate stream, the form a ZIP entry holds.
//
// Each part is deflated on its own with the last 32 KiB of the part before
// it as preset dictionary, so matches reach across the seams as they would
// in one long stream; every part but the last ends on a byte boundary (a
// sync flush), the last one ends the stream. The CRC-32 of the input is
// combined from the parts' own.
//
// The caller feeds input and takes output on its own thread; the workers
// see nothing but the bytes of a part, never a file, the job or the window.
// At most maxPartsInFlight() parts are held at once, so the memory used does
// not grow with the size of the stream.
class ParallelDeflate
{
public:
    static constexpr qsizetype kPartBytes = 64 * 1024;
    static constexpr qsizetype kDictionaryBytes = 32 * 1024;

    // 0 workers: one per core.
    explicit ParallelDeflate(int workers = 0);
    ~ParallelDeflate();
    ParallelDeflate(const ParallelDeflate&) = delete;
    ParallelDeflate& operator=(const ParallelDeflate&) = delete;

    int workers() const { return m_workers; }
    int maxPartsInFlight() const { return 2 * workers() + 2; }

    // Starts a new stream at zlib level 1..9; a stream still under way is
    // dropped (its parts finish on the workers and are thrown away).
    void start(int level);
    // Whether another part may be pushed before the oldest is taken.
    bool wantsInput() const;
    // The next part of the input, at most kPartBytes; `last` ends the stream
    // (an empty last part is allowed).
    void push(const QByteArray& part, bool last);
    // The deflated form of the oldest part, waiting for it when a worker is
    // still at it; empty once every pushed part was taken. False when zlib
    // failed (out of memory). *inputSize, when given, is the size of the part
    // before deflating.
    bool take(QByteArray* deflated, qsizetype* inputSize = nullptr);
    bool finished() const { return m_lastPushed && m_parts.empty(); }

    std::uint32_t crc() const { return m_crc; }
    std::uint64_t inputBytes() const { return m_inputBytes; }

private:
    struct Part;
    class Deflater;
    static void deflatePart(Deflater& deflater, Part& part);

    std::deque<std::shared_ptr<Part>> m_parts; // pushed, not yet taken
    int m_level = 6;
    QByteArray m_tail; // last kDictionaryBytes of the input so far
    bool m_lastPushed = true;
    std::uint32_t m_crc = 0;
    std::uint64_t m_inputBytes = 0;
    int m_workers = 0;
    std::unique_ptr<WorkerPool<Part, Deflater>> m_pool; // last: its workers end first
};
