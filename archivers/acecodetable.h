#pragma once

#include "acebitwriter.h"

#include <cstdint>
#include <vector>

// One Huffman table of ACE's compressed data: the code lengths chosen from
// symbol counts, the codes that a reader derives from those lengths, and the
// lengths as they are written ahead of the symbols they serve.
//
// A reader does not build canonical codes: it sorts the lengths with its own
// quicksort, which is not stable, and hands out codes from the shortest length
// up in the order the sort leaves. Which of two equally long codes a symbol
// gets therefore depends on that sort, and readerOrder() repeats it step by
// step.
class AceCodeTable {
public:
    // How far a reader's sort reaches: a table of literals or of lengths is
    // written, and sorted, up to its last symbol with a code; the small table
    // that codes their lengths always in full.
    enum class Extent { ToLastCode, Whole };

    // Lengths for symbols 0 .. counts.size()-1, none longer than maxBits. At
    // least two symbols get a code, because readers treat a table with a
    // single code as a special case that is best never written.
    AceCodeTable(const std::vector<uint32_t>& counts, int maxBits, Extent extent = Extent::ToLastCode);
    // A table of given lengths, as a reader would rebuild it.
    static AceCodeTable fromLengths(std::vector<uint8_t> lengths, int maxBits,
                                    Extent extent = Extent::ToLastCode);

    void put(AceBitWriter& out, int symbol) const
    {
        out.put(m_codes[std::size_t(symbol)], m_lengths[std::size_t(symbol)]);
    }
    int length(int symbol) const { return m_lengths[std::size_t(symbol)]; }
    uint32_t code(int symbol) const { return m_codes[std::size_t(symbol)]; }
    const std::vector<uint8_t>& lengths() const { return m_lengths; }

    // Writes the lengths: the highest symbol with a code (9 bits), the
    // shortest length less one and the spread of lengths (4 bits each), a
    // small table of its own (3 bits per entry) and then, in its codes, the
    // change of every length from the one before, with runs of no change
    // shortened.
    void writeLengths(AceBitWriter& out) const;

    // The positions a reader's sort gives the lengths 0 .. lengths.size()-1,
    // longest first: entry i is the symbol in place i.
    static std::vector<int> readerOrder(const std::vector<uint8_t>& lengths);

    static constexpr int LengthsTableBits = 7;

private:
    AceCodeTable(int maxBits, std::vector<uint8_t> lengths, Extent extent);
    void assignCodes(Extent extent);

    int m_maxBits;
    std::vector<uint8_t> m_lengths;
    std::vector<uint32_t> m_codes;
};
