#include "acebitreader.h"

#include <cstring>

namespace {
constexpr std::size_t BufferSize = 64 * 1024;
} // namespace

AceBitReader::AceBitReader(Input input)
    : m_input(std::move(input))
    , m_buffer(BufferSize)
{
}

uint32_t AceBitReader::wordAtTheEnd()
{
    // Fewer than four bytes are buffered: more are read, unless the data has ended.
    if (!m_ended) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_fill - m_pos);
        m_fill -= m_pos;
        m_pos = 0;
        while (m_fill < 4 && !m_ended) {
            const qint64 got = m_input(m_buffer.data() + m_fill, qint64(BufferSize - m_fill));
            if (got <= 0) {
                m_ended = true;
                m_failed = got < 0;
                break;
            }
            m_fill += std::size_t(got);
        }
    }
    if (m_pos == m_fill) {
        ++m_phantomWords;
        return 0;
    }
    // A last word cut short reads as if filled with zeros.
    uint8_t b[4] = {0, 0, 0, 0};
    const std::size_t n = std::min<std::size_t>(4, m_fill - m_pos);
    std::memcpy(b, m_buffer.data() + m_pos, n);
    m_pos += n;
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}
