#pragma once

#include <QtEndian>
#include <QtGlobal>
#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

// Reads ACE's compressed data in the order AceBitWriter writes it: 32-bit
// little-endian words, each from its most significant bit down. Past the end
// of the data it reads zero bits and notes whether any of them was used.
class AceBitReader {
public:
    // Fills up to max bytes; returns the count, 0 at the end of the data, -1
    // when the data cannot be had.
    using Input = std::function<qint64(char* data, qint64 max)>;

    explicit AceBitReader(Input input);

    // The next bits (1 to 32) without passing over them.
    uint32_t peek(int bits)
    {
        if (m_count < 32)
            refill();
        return uint32_t(m_bits >> (64 - bits));
    }
    void skip(int bits)
    {
        m_bits <<= bits;
        m_count -= bits;
    }
    uint32_t take(int bits)
    {
        if (bits == 0)
            return 0;
        const uint32_t v = peek(bits);
        skip(bits);
        return v;
    }

    // Bits beyond the end of the data were used: the stream asks for more
    // than it holds.
    bool overrun() const { return m_count < 0 || uint64_t(m_count) < m_phantomWords * 32; }
    bool failed() const { return m_failed; }

private:
    void refill()
    {
        while (m_count <= 32) {
            uint32_t word;
            if (m_fill - m_pos >= 4) {
                std::memcpy(&word, m_buffer.data() + m_pos, 4);
                word = qFromLittleEndian(word);
                m_pos += 4;
            } else {
                word = wordAtTheEnd();
            }
            m_bits |= uint64_t(word) << (32 - m_count);
            m_count += 32;
        }
    }
    uint32_t wordAtTheEnd();

    Input m_input;
    uint64_t m_bits = 0; // the next bits, from the top
    int m_count = 0;     // how many of them are valid
    uint64_t m_phantomWords = 0;
    bool m_ended = false;
    bool m_failed = false;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_fill = 0;
};
