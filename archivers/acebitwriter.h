#pragma once

#include <QByteArray>
#include <cstdint>

// The bit order of ACE's compressed data: codes are packed from the most
// significant bit down into 32-bit words, and every word is stored
// little-endian. Readers fetch whole words, so the stream always ends on a
// word boundary.
class AceBitWriter {
public:
    // Appends the low `bits` bits of value (0 to 32), most significant first.
    void put(uint32_t value, int bits)
    {
        if (bits == 0)
            return;
        m_pending = (m_pending << bits) | (value & mask(bits));
        m_pendingBits += bits;
        if (m_pendingBits >= 32) {
            m_pendingBits -= 32;
            word(uint32_t(m_pending >> m_pendingBits));
            m_pending &= mask(m_pendingBits);
        }
    }

    // Fills the last word with zero bits.
    void padToWord();
    // Moves the whole words written so far to the end of out.
    void takeWords(QByteArray& out);

    // Bits written since construction, for size estimates and tests.
    uint64_t bitCount() const { return m_wordsWritten * 32 + uint64_t(m_pendingBits); }

private:
    static uint64_t mask(int bits) { return bits >= 64 ? ~0ull : (1ull << bits) - 1; }
    void word(uint32_t w)
    {
        const char le[4] = {char(w), char(w >> 8), char(w >> 16), char(w >> 24)};
        m_words.append(le, 4);
        ++m_wordsWritten;
    }

    uint64_t m_pending = 0;
    int m_pendingBits = 0;
    uint64_t m_wordsWritten = 0;
    QByteArray m_words;
};
