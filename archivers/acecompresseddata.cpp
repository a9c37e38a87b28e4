#include "acecompresseddata.h"

#include <algorithm>

namespace {
// The encoder is fed in smaller pieces than stored data is copied in, so
// that compressed pieces follow one another evenly.
constexpr qint64 ReadPiece = 256 * 1024;
} // namespace

AceCompressedData::AceCompressedData(const SourceEntry& entry, int level)
    : m_entry(entry)
    , m_size(entry.size)
    , m_level(level)
    , m_source(entry, ReadPiece)
    , m_encoder(AceLz77Encoder::forLevel(level, entry.size))
{
}

QString AceCompressedData::error() const
{
    return m_stored ? m_stored->error() : m_source.error();
}

uint32_t AceCompressedData::sourceCrc() const
{
    return m_stored ? m_stored->sourceCrc() : m_source.sourceCrc();
}

uint64_t AceCompressedData::sourceDone() const
{
    return std::max(m_source.sourceDone(), m_stored ? m_stored->sourceDone() : 0);
}

Packing AceCompressedData::packing() const
{
    if (m_stored)
        return {};
    return {true, m_level, m_encoder.dictionaryBits()};
}

bool AceCompressedData::next(QByteArray& out)
{
    out.clear();
    switch (m_stage) {
    case Stage::Trial:
        return trial(out);
    case Stage::Compressing:
        return compress(out);
    case Stage::Storing:
        return store(out);
    case Stage::Done:
        break;
    }
    return false;
}

bool AceCompressedData::trial(QByteArray& out)
{
    bool ended = false;
    while (m_source.sourceDone() < TrialBytes) {
        if (!m_source.next(m_piece)) {
            if (!m_source.error().isEmpty())
                return false;
            ended = true;
            break;
        }
        m_encoder.write(m_piece.constData(), std::size_t(m_piece.size()), out);
    }
    if (!ended && m_source.sourceDone() == m_size)
        ended = true;

    bool worthIt;
    if (ended) {
        m_encoder.finish(out);
        worthIt = uint64_t(out.size()) < m_size;
    } else {
        m_encoder.endBlock(out);
        worthIt = uint64_t(out.size()) * 100 < m_encoder.bytesParsed() * 99;
    }
    if (!worthIt) {
        m_stage = Stage::Storing;
        m_stored = std::make_unique<StoredData>(m_entry);
        return store(out);
    }
    m_stage = ended ? Stage::Done : Stage::Compressing;
    if (out.isEmpty())
        return ended ? false : compress(out);
    return true;
}

bool AceCompressedData::compress(QByteArray& out)
{
    while (out.isEmpty()) {
        if (!m_source.next(m_piece)) {
            if (!m_source.error().isEmpty())
                return false;
            m_encoder.finish(out);
            m_stage = Stage::Done;
            return !out.isEmpty();
        }
        m_encoder.write(m_piece.constData(), std::size_t(m_piece.size()), out);
    }
    return true;
}

bool AceCompressedData::store(QByteArray& out)
{
    if (m_stored->next(out))
        return true;
    m_stage = Stage::Done;
    return false;
}
