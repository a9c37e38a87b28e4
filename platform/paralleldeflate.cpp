#include "platform/paralleldeflate.h"

#include <zlib.h>

struct ParallelDeflate::Part {
    QByteArray input;
    QByteArray dictionary;
    int level = 6;
    bool last = false;
    // Written by the worker, read by the caller once `done` is set.
    QByteArray output;
    std::uint32_t crc = 0;
    bool ok = false;
    bool done = false;
};

void ParallelDeflate::start(int level)
{
    // Parts of a dropped stream that no worker has begun are not deflated.
    m_pool->dropAll();
    m_parts.clear();
    m_level = level;
    m_tail.clear();
    m_lastPushed = false;
    m_crc = std::uint32_t(crc32(0L, Z_NULL, 0));
    m_inputBytes = 0;
}

bool ParallelDeflate::wantsInput() const
{
    return !m_lastPushed && int(m_parts.size()) < maxPartsInFlight();
}

void ParallelDeflate::push(const QByteArray& input, bool last)
{
    auto part = std::make_shared<Part>();
    part->input = input;
    part->dictionary = m_tail;
    part->level = m_level;
    part->last = last;
    m_lastPushed = last;
    m_inputBytes += std::uint64_t(input.size());
    m_tail = (m_tail + input).right(kDictionaryBytes);
    m_parts.push_back(part);
    m_pool->post(std::move(part));
}

bool ParallelDeflate::take(QByteArray* deflated, qsizetype* inputSize)
{
    deflated->clear();
    if (inputSize)
        *inputSize = 0;
    if (m_parts.empty())
        return true;
    std::shared_ptr<Part> part = m_parts.front();
    m_pool->wait(*part);
    m_parts.pop_front();
    if (!part->ok)
        return false;
    m_crc = std::uint32_t(crc32_combine(m_crc, part->crc, z_off_t(part->input.size())));
    *deflated = std::move(part->output);
    if (inputSize)
        *inputSize = part->input.size();
    return true;
}

// One deflate state per worker, kept across parts: allocating it anew for
// every part cost more in page faults than the part took to deflate.
class ParallelDeflate::Deflater
{
public:
    ~Deflater()
    {
        if (m_level)
            deflateEnd(&m_z);
    }

    // Ready for a new raw deflate stream at `level`; false when zlib has no
    // memory for it.
    bool reset(int level)
    {
        if (m_level == level)
            return deflateReset(&m_z) == Z_OK;
        if (m_level)
            deflateEnd(&m_z);
        m_z = z_stream{};
        // A negative window size makes raw deflate: no zlib header or trailer.
        m_level = deflateInit2(&m_z, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK
                      ? level
                      : 0;
        return m_level != 0;
    }

    z_stream* stream() { return &m_z; }

private:
    z_stream m_z{};
    int m_level = 0;
};

ParallelDeflate::ParallelDeflate(int workers)
    : m_pool(std::make_unique<WorkerPool<Part, Deflater>>(workers, &ParallelDeflate::deflatePart))
{
    m_workers = m_pool->size();
}

ParallelDeflate::~ParallelDeflate() = default;

void ParallelDeflate::deflatePart(Deflater& deflater, Part& part)
{
    const auto* in = reinterpret_cast<const Bytef*>(part.input.constData());
    part.crc = std::uint32_t(crc32(crc32(0L, Z_NULL, 0), in, uInt(part.input.size())));

    if (!deflater.reset(part.level))
        return;
    z_stream& z = *deflater.stream();
    bool ok = part.dictionary.isEmpty()
              || deflateSetDictionary(&z, reinterpret_cast<const Bytef*>(part.dictionary.constData()),
                                      uInt(part.dictionary.size()))
                     == Z_OK;
    // Room for the worst case, so one call does it all.
    part.output.resize(qsizetype(deflateBound(&z, uLong(part.input.size()))) + 16);
    z.next_in = const_cast<Bytef*>(in);
    z.avail_in = uInt(part.input.size());
    z.next_out = reinterpret_cast<Bytef*>(part.output.data());
    z.avail_out = uInt(part.output.size());
    const int flush = part.last ? Z_FINISH : Z_SYNC_FLUSH;
    while (ok) {
        const int r = deflate(&z, flush);
        if (r == Z_STREAM_END || (r == Z_OK && z.avail_in == 0 && z.avail_out > 0 && flush != Z_FINISH))
            break;
        if (r != Z_OK && r != Z_BUF_ERROR) {
            ok = false;
            break;
        }
        if (z.avail_out == 0) {
            const qsizetype used = part.output.size();
            part.output.resize(used * 2);
            z.next_out = reinterpret_cast<Bytef*>(part.output.data() + used);
            z.avail_out = uInt(part.output.size() - used);
        }
    }
    part.output.resize(qsizetype(z.total_out));
    part.ok = ok;
}
