#include "platform/wholefiledeflate.h"

#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct WholeFileDeflate::Job {
    QByteArray path;
    int zipLevel = 6;
    // Written by the worker, read by the caller once `done` is set.
    Result result;
    bool done = false;
};

// One compressor per level and worker, kept from file to file: the ones of
// the higher levels are large, and allocating them is not free.
class WholeFileDeflate::Compressors
{
public:
    ~Compressors()
    {
        for (libdeflate_compressor* c : m_byLevel)
            if (c)
                libdeflate_free_compressor(c);
    }
    libdeflate_compressor* at(int level)
    {
        libdeflate_compressor*& c = m_byLevel[std::size_t(level)];
        if (!c)
            c = libdeflate_alloc_compressor(level);
        return c;
    }

private:
    std::array<libdeflate_compressor*, 13> m_byLevel{};
};

namespace {

std::int64_t modifiedNs(const struct stat& st)
{
    return std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

// Reads the whole file; false with errno set when it cannot.
bool readWhole(const QByteArray& path, QByteArray* bytes, WholeFileDeflate::Result* result)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int why = errno;
        ::close(fd);
        errno = why;
        return false;
    }
    result->device = st.st_dev;
    result->inode = st.st_ino;
    result->modifiedNs = modifiedNs(st);
    // A file that grows while it is read is taken at the size it had when
    // it was opened; one that shrinks ends where it ends.
    bytes->resize(qsizetype(st.st_size));
    qsizetype got = 0;
    while (got < bytes->size()) {
        const ssize_t n = ::read(fd, bytes->data() + got, std::size_t(bytes->size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int why = errno;
            ::close(fd);
            errno = why;
            return false;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    bytes->truncate(got);
    return true;
}

// `c` null: no memory for the coder.
void deflateFile(libdeflate_compressor* c, const QByteArray& path, WholeFileDeflate::Result* result)
{
    QByteArray input;
    try {
        if (!readWhole(path, &input, result)) {
            result->error = errno ? errno : EIO;
            return;
        }
        const auto* in = reinterpret_cast<const unsigned char*>(input.constData());
        result->size = std::uint64_t(input.size());
        result->crc = libdeflate_crc32(0, in, std::size_t(input.size()));
        if (!c) {
            result->error = ENOMEM;
            return;
        }
        result->deflated.resize(qsizetype(libdeflate_deflate_compress_bound(c, std::size_t(input.size()))));
        const std::size_t n = libdeflate_deflate_compress(c, in, std::size_t(input.size()), result->deflated.data(),
                                                          std::size_t(result->deflated.size()));
        // The bound is never too small; an empty stream is what libdeflate
        // makes of empty input.
        if (n == 0 && !input.isEmpty()) {
            result->error = ENOMEM;
            return;
        }
        result->deflated.truncate(qsizetype(n));
        result->deflated.squeeze();
    } catch (const std::bad_alloc&) {
        result->deflated.clear();
        result->error = ENOMEM;
    }
}

} // namespace

WholeFileDeflate::WholeFileDeflate(int workers)
    : m_pool(std::make_unique<WorkerPool<Job, Compressors>>(workers, [](Compressors& coders, Job& job) {
        deflateFile(coders.at(coderLevel(job.zipLevel)), job.path, &job.result);
    }))
{
}

WholeFileDeflate::~WholeFileDeflate() = default;

int WholeFileDeflate::coderLevel(int zipLevel)
{
    // Measured on the pack benchmark's image, its word text and a tree of
    // documentation, each in volumes of 1,440,000 bytes: libdeflate's levels
    // 1 and 4 are smaller than zlib's 1 and 4 and twice as fast; its 7 is
    // within a fifth of a percent of zlib's 6 on the image (smaller on the
    // documentation, 1.4% larger on the bare word text); 8 and 9 buy a
    // tenth of a percent for twice the time, and 10, its first level that
    // parses near optimally, is smaller than zlib's 9 on all three.
    static constexpr std::array<int, 10> levels{0, 1, 2, 3, 4, 6, 7, 8, 9, 10};
    return levels[std::size_t(std::clamp(zipLevel, 1, 9))];
}

std::shared_ptr<WholeFileDeflate::Job> WholeFileDeflate::find(const QByteArray& path, int zipLevel) const
{
    for (const auto& job : m_jobs)
        if (job->path == path && job->zipLevel == zipLevel)
            return job;
    return nullptr;
}

std::shared_ptr<WholeFileDeflate::Job> WholeFileDeflate::enqueue(const QByteArray& path, int zipLevel, bool first)
{
    auto job = std::make_shared<Job>();
    job->path = path;
    job->zipLevel = zipLevel;
    m_jobs.push_back(job);
    m_pool->post(job, first);
    return job;
}

void WholeFileDeflate::forget(const std::shared_ptr<Job>& job)
{
    m_jobs.erase(std::remove(m_jobs.begin(), m_jobs.end(), job), m_jobs.end());
    m_pool->drop(job);
}

void WholeFileDeflate::prepare(const QByteArray& path, int zipLevel)
{
    if (!find(path, zipLevel))
        enqueue(path, zipLevel, false);
}

void WholeFileDeflate::keepOnly(const QList<QByteArray>& paths)
{
    const std::vector<std::shared_ptr<Job>> jobs = m_jobs;
    for (const auto& job : jobs)
        if (!paths.contains(job->path))
            forget(job);
}

std::shared_ptr<const WholeFileDeflate::Result> WholeFileDeflate::take(const QByteArray& path, int zipLevel,
                                                                       const std::function<bool()>& waiting)
{
    // A file that keeps changing is taken as it was at the third reading.
    for (int reading = 0;; ++reading) {
        std::shared_ptr<Job> job = find(path, zipLevel);
        if (!job)
            job = enqueue(path, zipLevel, true);
        for (;;) {
            if (m_pool->waitFor(*job, std::chrono::milliseconds(15)))
                break;
            if (waiting && !waiting()) {
                forget(job);
                return nullptr;
            }
        }
        forget(job);
        auto result = std::make_shared<const Result>(std::move(job->result));
        struct stat st {};
        const bool unchanged = result->error != 0
                               || (::stat(path.constData(), &st) == 0 && st.st_dev == result->device
                                   && st.st_ino == result->inode && std::uint64_t(st.st_size) == result->size
                                   && modifiedNs(st) == result->modifiedNs);
        if (unchanged || reading == 2)
            return result;
    }
}
