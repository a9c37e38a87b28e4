#include "acedecodetable.h"

#include "acecodetable.h"

#include <algorithm>

namespace {
// Runs of unchanged lengths are written as one symbol and 4 bits: 4 to 19.
constexpr int ShortestRun = 4;
} // namespace

AceDecodeTable::AceDecodeTable(int maxBits)
    : m_maxBits(maxBits)
    , m_lookup(std::size_t(1) << maxBits, NoCode)
{
}

bool AceDecodeTable::build(const std::vector<uint8_t>& lengths)
{
    std::fill(m_lookup.begin(), m_lookup.end(), NoCode);
    const std::vector<int> order = AceCodeTable::readerOrder(lengths);
    std::size_t next = 0;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const int length = lengths[std::size_t(*it)];
        if (length == 0)
            continue;
        if (length > m_maxBits)
            return false;
        const std::size_t span = std::size_t(1) << (m_maxBits - length);
        if (next + span > m_lookup.size())
            return false;
        std::fill_n(m_lookup.begin() + std::ptrdiff_t(next), span, uint16_t(*it << 4 | length));
        next += span;
    }
    // Fewer codes than room for them is no error until a missing one is read.
    return true;
}

bool AceDecodeTable::read(AceBitReader& in, int symbols)
{
    const int count = int(in.take(9)) + 1;
    const int base = int(in.take(4));
    const int spread = int(in.take(4));
    if (count > symbols)
        return false;

    std::vector<uint8_t> small(std::size_t(spread) + 1);
    for (uint8_t& l : small)
        l = uint8_t(in.take(3));
    AceDecodeTable lengthsTable(AceCodeTable::LengthsTableBits);
    if (!lengthsTable.build(small))
        return false;

    // Each length is sent as its change from the one before, modulo the
    // spread; the symbol `spread` is a run of no change.
    std::vector<uint8_t> values(std::size_t(count), 0);
    for (int i = 0; i < count;) {
        const int sym = lengthsTable.decode(in);
        if (sym < 0 || in.overrun())
            return false;
        if (sym < spread) {
            values[std::size_t(i++)] = uint8_t(sym);
            continue;
        }
        const int run = int(in.take(4)) + ShortestRun;
        i = std::min(count, i + run);
    }
    std::vector<uint8_t> lengths(std::size_t(count), 0);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0 && spread > 0)
            values[i] = uint8_t((values[i] + values[i - 1]) % spread);
        lengths[i] = uint8_t(values[i] ? values[i] + base : 0);
    }
    return build(lengths);
}
