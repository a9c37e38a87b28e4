#include "acecodetable.h"

#include "huffmanlengths.h"

#include <algorithm>
#include <utility>

namespace {

// The reader's quicksort over (length, symbol) pairs, descending by length.
// Its pivot choice, its scans and its finish for ranges of two decide where
// equal lengths end up, so every step matters.
void sortRange(std::vector<uint8_t>& key, std::vector<int>& symbol, int left, int right)
{
    auto swapAt = [&](int a, int b) {
        std::swap(key[std::size_t(a)], key[std::size_t(b)]);
        std::swap(symbol[std::size_t(a)], symbol[std::size_t(b)]);
    };
    int low = left;
    int high = right;
    const uint8_t pivot = key[std::size_t(right)];
    do {
        while (key[std::size_t(low)] > pivot)
            ++low;
        while (key[std::size_t(high)] < pivot)
            --high;
        if (low <= high) {
            swapAt(low, high);
            ++low;
            --high;
        }
    } while (low < high);

    if (left < high) {
        if (left < high - 1)
            sortRange(key, symbol, left, high);
        else if (key[std::size_t(left)] < key[std::size_t(high)])
            swapAt(left, high);
    }
    if (right > low) {
        if (low < right - 1)
            sortRange(key, symbol, low, right);
        else if (key[std::size_t(low)] < key[std::size_t(right)])
            swapAt(low, right);
    }
}

// Runs of unchanged lengths are written as one symbol and 4 bits: 4 to 19.
constexpr int ShortestRun = 4;
constexpr int LongestRun = 19;

} // namespace

std::vector<int> AceCodeTable::readerOrder(const std::vector<uint8_t>& lengths)
{
    std::vector<uint8_t> key = lengths;
    std::vector<int> symbol(lengths.size());
    for (std::size_t i = 0; i < symbol.size(); ++i)
        symbol[i] = int(i);
    if (key.size() > 1)
        sortRange(key, symbol, 0, int(key.size()) - 1);
    return symbol;
}

AceCodeTable::AceCodeTable(const std::vector<uint32_t>& counts, int maxBits, Extent extent)
    : m_maxBits(maxBits)
{
    std::vector<uint32_t> c = counts;
    // A second code where there would be only one (or none): the cheapest
    // symbols to describe are the first ones.
    int used = int(std::count_if(c.begin(), c.end(), [](uint32_t n) { return n > 0; }));
    for (std::size_t s = 0; used < 2 && s < c.size(); ++s) {
        if (c[s] == 0) {
            c[s] = 1;
            ++used;
        }
    }
    m_lengths = HuffmanLengths::limited(c, maxBits);
    assignCodes(extent);
}

AceCodeTable::AceCodeTable(int maxBits, std::vector<uint8_t> lengths, Extent extent)
    : m_maxBits(maxBits)
    , m_lengths(std::move(lengths))
{
    assignCodes(extent);
}

AceCodeTable AceCodeTable::fromLengths(std::vector<uint8_t> lengths, int maxBits, Extent extent)
{
    return AceCodeTable(maxBits, std::move(lengths), extent);
}

void AceCodeTable::assignCodes(Extent extent)
{
    // Codes go out from the shortest length up, in the reverse of the
    // reader's order; each takes its share of a table of 2^maxBits entries.
    m_codes.assign(m_lengths.size(), 0);
    // Zeros beyond the last code would change where the sort moves equal
    // lengths, so the sort covers just what the reader has read.
    std::size_t count = m_lengths.size();
    while (extent == Extent::ToLastCode && count > 0 && m_lengths[count - 1] == 0)
        --count;
    const std::vector<int> order = readerOrder({m_lengths.begin(), m_lengths.begin() + std::ptrdiff_t(count)});
    uint32_t next = 0;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const int len = m_lengths[std::size_t(*it)];
        if (len == 0)
            continue;
        m_codes[std::size_t(*it)] = next >> (m_maxBits - len);
        next += 1u << (m_maxBits - len);
    }
}

void AceCodeTable::writeLengths(AceBitWriter& out) const
{
    int last = 0;
    int shortest = 255;
    int longest = 0;
    for (int s = 0; s < int(m_lengths.size()); ++s) {
        if (m_lengths[std::size_t(s)] == 0)
            continue;
        last = s;
        shortest = std::min<int>(shortest, m_lengths[std::size_t(s)]);
        longest = std::max<int>(longest, m_lengths[std::size_t(s)]);
    }
    // A length L is sent as L - base (1 .. spread - 1), no code as 0, and each
    // value as its difference from the one before, modulo spread; the value
    // `spread` itself, one past the differences, marks a run of zeros.
    const int base = shortest - 1;
    const int spread = longest - base + 1;

    std::vector<int> symbols; // differences, and `spread` for a run
    std::vector<int> runs;    // extra value of each run symbol, in order
    int previous = 0;
    for (int s = 0; s <= last;) {
        auto valueAt = [&](int i) { return m_lengths[std::size_t(i)] ? m_lengths[std::size_t(i)] - base : 0; };
        const int difference = (valueAt(s) - previous + spread) % spread;
        if (difference == 0) {
            int run = 1;
            while (s + run <= last && valueAt(s + run) == valueAt(s) && run < LongestRun)
                ++run;
            if (run >= ShortestRun) {
                symbols.push_back(spread);
                runs.push_back(run - ShortestRun);
                s += run;
                continue;
            }
        }
        symbols.push_back(difference);
        previous = valueAt(s);
        ++s;
    }

    std::vector<uint32_t> counts(std::size_t(spread) + 1, 0);
    for (int sym : symbols)
        ++counts[std::size_t(sym)];
    const AceCodeTable table(counts, LengthsTableBits, Extent::Whole);

    out.put(uint32_t(last), 9);
    out.put(uint32_t(base), 4);
    out.put(uint32_t(spread), 4);
    for (int s = 0; s <= spread; ++s)
        out.put(table.length(s), 3);
    std::size_t run = 0;
    for (int sym : symbols) {
        table.put(out, sym);
        if (sym == spread)
            out.put(uint32_t(runs[run++]), 4);
    }
}
