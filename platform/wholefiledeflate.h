#pragma once

#include "platform/workerpool.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <functional>
#include <memory>
#include <sys/types.h>
#include <vector>

// Deflates whole files on worker threads, each file on one core, so that the
// files a ZIP writer will want next are ready when it gets to them: with two
// cores, two files are deflated while the ZIP before them is written.
//
// A worker reads a file once, into memory, and takes both its CRC-32 and its
// raw deflate stream (the form a ZIP entry holds) from that one copy, with
// libdeflate: its whole-buffer coder is two to three times as fast as zlib's
// at the same output size. A file is therefore held whole, twice at most
// (read and deflated), so only files up to kMaxBytes are taken; larger ones
// are for ParallelDeflate, which deflates a stream in parts.
//
// Everything here is called from one thread, the writer's; the workers see
// nothing but a path, a level and their own buffers.
class WholeFileDeflate
{
public:
    // Six such files (two read, two being deflated, two waiting) stay under
    // a hundred megabytes.
    static constexpr std::int64_t kMaxBytes = 16 * 1024 * 1024;

    struct Result {
        QByteArray deflated; // a raw deflate stream
        std::uint32_t crc = 0;
        std::uint64_t size = 0; // bytes read and deflated
        int error = 0;          // errno of a failed open or read; ENOMEM
        // The file as it was read: one that changed since is read again.
        dev_t device = 0;
        ino_t inode = 0;
        std::int64_t modifiedNs = 0;
    };

    // 0 workers: one per core.
    explicit WholeFileDeflate(int workers = 0);
    ~WholeFileDeflate();
    WholeFileDeflate(const WholeFileDeflate&) = delete;
    WholeFileDeflate& operator=(const WholeFileDeflate&) = delete;

    // The libdeflate level that stands for a ZIP level 1..9: the fastest one
    // whose output is about as small as zlib's at that level, and smaller
    // at 9 than at 6.
    static int coderLevel(int zipLevel);

    // Begins to read and deflate the file at ZIP level 1..9 on a free
    // worker, unless that is already under way or done.
    void prepare(const QByteArray& nativePath, int zipLevel);
    // Forgets every prepared file that is not named (a worker at one of
    // them finishes and throws its work away).
    void keepOnly(const QList<QByteArray>& nativePaths);
    // The file deflated at the level, from what was prepared when the file
    // has not changed since it was read, or else deflated now ahead of
    // everything else. While it waits it calls `waiting` every few
    // milliseconds; false from that gives up (null). The file is forgotten
    // once taken.
    std::shared_ptr<const Result> take(const QByteArray& nativePath, int zipLevel,
                                       const std::function<bool()>& waiting);

    // Files prepared and not yet taken or forgotten.
    int pending() const { return int(m_jobs.size()); }

private:
    struct Job;
    class Compressors;
    std::shared_ptr<Job> find(const QByteArray& nativePath, int zipLevel) const;
    std::shared_ptr<Job> enqueue(const QByteArray& nativePath, int zipLevel, bool first);
    void forget(const std::shared_ptr<Job>& job);

    std::vector<std::shared_ptr<Job>> m_jobs; // the caller's: prepared, not taken
    std::unique_ptr<WorkerPool<Job, Compressors>> m_pool; // last: its workers end first
};
