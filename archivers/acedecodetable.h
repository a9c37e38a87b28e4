#pragma once

#include "acebitreader.h"

#include <cstdint>
#include <vector>

// One Huffman table of ACE's compressed data as a reader rebuilds it: the
// lengths read from the stream (AceCodeTable::writeLengths), codes handed
// out in the order of the reader's sort (AceCodeTable::readerOrder), and a
// lookup of 2^maxBits entries.
class AceDecodeTable {
public:
    explicit AceDecodeTable(int maxBits);

    // Codes for the given lengths; false when one is longer than maxBits or
    // together they need more codes than there are.
    bool build(const std::vector<uint8_t>& lengths);
    // Reads a table of at most `symbols` symbols from the stream and builds
    // it; false when the lengths cannot be those of a table.
    bool read(AceBitReader& in, int symbols);

    // The next symbol, or -1 for a bit pattern that no symbol has.
    int decode(AceBitReader& in) const
    {
        const uint16_t entry = m_lookup[in.peek(m_maxBits)];
        if (entry == NoCode)
            return -1;
        in.skip(entry & 15);
        return entry >> 4;
    }

private:
    static constexpr uint16_t NoCode = 0xFFFF;
    int m_maxBits;
    std::vector<uint16_t> m_lookup; // symbol << 4 | code length
};
