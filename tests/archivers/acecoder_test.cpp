// ACE's compression piece by piece: the bit order, the code lengths, the
// codes a reader derives from them, and the tables as they are written.
// Whole streams are judged by unace in programs_test.cpp.
#include "acebitwriter.h"
#include "acecodetable.h"
#include "huffmanlengths.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <functional>
#include <queue>

namespace {

// Reads a stream the way AceBitWriter writes it.
class BitReader {
public:
    explicit BitReader(const QByteArray& words)
        : m_words(words)
    {
    }
    uint32_t take(int bits)
    {
        uint32_t v = 0;
        for (int i = 0; i < bits; ++i, ++m_pos) {
            const qsizetype word = qsizetype(m_pos / 32) * 4;
            const uint32_t w = uint8_t(m_words[word]) | uint32_t(uint8_t(m_words[word + 1])) << 8
                | uint32_t(uint8_t(m_words[word + 2])) << 16 | uint32_t(uint8_t(m_words[word + 3])) << 24;
            v = v << 1 | ((w >> (31 - m_pos % 32)) & 1);
        }
        return v;
    }

private:
    QByteArray m_words;
    uint64_t m_pos = 0;
};

// The lookup a reader fills from lengths: codes in the reverse of its sort,
// each covering 2^(maxBits - length) entries. Empty when the lengths
// overfill it.
std::vector<int> readerLookup(const std::vector<uint8_t>& lengths, int maxBits)
{
    std::vector<int> lookup;
    const std::vector<int> order = AceCodeTable::readerOrder(lengths);
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (lengths[std::size_t(*it)] > 0)
            lookup.insert(lookup.end(), std::size_t(1) << (maxBits - lengths[std::size_t(*it)]), *it);
    return lookup.size() <= (std::size_t(1) << maxBits) ? lookup : std::vector<int>();
}

int readSymbol(BitReader& in, const std::vector<uint8_t>& lengths, const std::vector<int>& lookup, int maxBits)
{
    // Peeking is not needed here: codes are read bit by bit until one fits.
    uint32_t code = 0;
    for (int len = 1; len <= maxBits; ++len) {
        code = code << 1 | in.take(1);
        const std::size_t at = std::size_t(code) << (maxBits - len);
        if (at < lookup.size() && lengths[std::size_t(lookup[at])] == len)
            return lookup[at];
    }
    return -1;
}

// The lengths as a reader takes them back from the stream.
std::vector<uint8_t> readLengths(BitReader& in, std::size_t symbols)
{
    const std::size_t last = in.take(9);
    const int base = int(in.take(4));
    const int spread = int(in.take(4));
    std::vector<uint8_t> small(std::size_t(spread) + 1);
    for (auto& l : small)
        l = uint8_t(in.take(3));
    const std::vector<int> lookup = readerLookup(small, AceCodeTable::LengthsTableBits);
    std::vector<int> values;
    while (values.size() <= last) {
        const int sym = readSymbol(in, small, lookup, AceCodeTable::LengthsTableBits);
        if (sym < 0)
            return {};
        if (sym < spread)
            values.push_back(sym);
        else
            values.insert(values.end(), in.take(4) + 4, 0);
    }
    values.resize(last + 1);
    std::vector<uint8_t> lengths(symbols, 0);
    for (std::size_t i = 0; i <= last; ++i) {
        if (i > 0)
            values[i] = (values[i] + values[i - 1]) % spread;
        lengths[i] = uint8_t(values[i] ? values[i] + base : 0);
    }
    return lengths;
}

uint64_t cost(const std::vector<uint32_t>& counts, const std::vector<uint8_t>& lengths)
{
    uint64_t c = 0;
    for (std::size_t i = 0; i < counts.size(); ++i)
        c += uint64_t(counts[i]) * lengths[i];
    return c;
}

// What an unrestricted Huffman code costs: the sum of all merged weights.
uint64_t huffmanCost(const std::vector<uint32_t>& counts)
{
    std::priority_queue<uint64_t, std::vector<uint64_t>, std::greater<>> q;
    for (uint32_t c : counts)
        if (c > 0)
            q.push(c);
    uint64_t total = 0;
    while (q.size() > 1) {
        const uint64_t a = q.top();
        q.pop();
        const uint64_t b = q.top();
        q.pop();
        total += a + b;
        q.push(a + b);
    }
    return total;
}

// Counts shaped like a block's symbols: a few common, many rare, many unused.
std::vector<uint32_t> randomCounts(QRandomGenerator& random, int symbols)
{
    std::vector<uint32_t> counts(std::size_t(symbols), 0);
    const int used = 1 + int(random.bounded(symbols));
    for (int i = 0; i < used; ++i)
        counts[random.bounded(symbols)] += 1 + (random.bounded(4) == 0 ? random.bounded(5000) : random.bounded(20));
    return counts;
}

} // namespace

TEST(AceBitWriterTest, CodesFillWordsFromTheTopAndWordsAreLittleEndian)
{
    AceBitWriter w;
    w.put(0b101, 3);
    w.put(0x1FFFFFFF, 29);
    w.put(1, 1);
    QByteArray out;
    w.takeWords(out);
    EXPECT_EQ(out.toHex(), QByteArray("ffffffbf")) << "only whole words leave";
    w.padToWord();
    w.takeWords(out);
    EXPECT_EQ(out.toHex(), QByteArray("ffffffbf00000080"));
    EXPECT_EQ(w.bitCount(), 64u);
}

TEST(HuffmanLengthsTest, LimitedCodesAreCompleteAndNoDearerThanNeeded)
{
    const std::vector<uint32_t> skewed{1, 2, 4, 8, 16};
    EXPECT_EQ(HuffmanLengths::limited(skewed, 8), (std::vector<uint8_t>{4, 4, 3, 2, 1}));
    EXPECT_EQ(HuffmanLengths::limited(skewed, 3), (std::vector<uint8_t>{3, 3, 3, 3, 1}));
    EXPECT_EQ(HuffmanLengths::limited({0, 7, 0}, 11), (std::vector<uint8_t>{0, 1, 0}));

    QRandomGenerator random(17);
    for (int round = 0; round < 200; ++round) {
        const std::vector<uint32_t> counts = randomCounts(random, 283);
        const auto lengths = HuffmanLengths::limited(counts, 11);
        uint64_t kraft = 0; // in units of 2^-11
        int used = 0;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            ASSERT_EQ(counts[i] > 0, lengths[i] > 0);
            ASSERT_LE(lengths[i], 11);
            if (lengths[i]) {
                kraft += 1u << (11 - lengths[i]);
                ++used;
            }
        }
        if (used < 2)
            continue; // a single symbol gets one bit by design
        EXPECT_EQ(kraft, 2048u) << "a complete code";
        EXPECT_GE(cost(counts, lengths), huffmanCost(counts));
        // Where the limit does not bind, nothing may be lost to it.
        const auto loose = HuffmanLengths::limited(counts, 30);
        EXPECT_EQ(cost(counts, loose), huffmanCost(counts));
    }
}

TEST(AceCodeTableTest, TheReadersSortDecidesAmongEqualLengths)
{
    // The reader's quicksort is not stable: a stable sort would give
    // 0 2 6 9 3 5 1 7 4 8 here, and so other codes.
    EXPECT_EQ(AceCodeTable::readerOrder({3, 1, 3, 2, 0, 2, 3, 1, 0, 3}),
              (std::vector<int>{9, 6, 2, 0, 3, 5, 1, 7, 4, 8}));
}

TEST(AceCodeTableTest, EveryCodeIsWhereTheReaderLooksItUp)
{
    QRandomGenerator random(29);
    for (int round = 0; round < 300; ++round) {
        const bool small = round % 3 == 0;
        const int symbols = small ? 14 : (round % 2 ? 283 : 256);
        const int maxBits = small ? 7 : 11;
        const auto extent = small ? AceCodeTable::Extent::Whole : AceCodeTable::Extent::ToLastCode;
        const AceCodeTable table(randomCounts(random, symbols), maxBits, extent);

        // A reader sorts just what it read: up to the last code, or all.
        std::vector<uint8_t> read = table.lengths();
        while (extent == AceCodeTable::Extent::ToLastCode && read.back() == 0)
            read.pop_back();
        const std::vector<int> lookup = readerLookup(read, maxBits);
        ASSERT_EQ(lookup.size(), std::size_t(1) << maxBits) << "a complete code";
        int coded = 0;
        for (int s = 0; s < int(read.size()); ++s) {
            if (table.length(s) == 0)
                continue;
            ++coded;
            EXPECT_EQ(lookup[std::size_t(table.code(s)) << (maxBits - table.length(s))], s);
        }
        EXPECT_GE(coded, 2) << "never a table of a single code";
    }
}

TEST(AceCodeTableTest, LengthsReadBackAsWritten)
{
    QRandomGenerator random(41);
    std::vector<std::vector<uint32_t>> cases{
        std::vector<uint32_t>(283, 0),  // nothing used: two codes all the same
        std::vector<uint32_t>(256, 5),  // one long run of equal lengths
    };
    cases[0][200] = 9;
    for (int i = 0; i < 200; ++i)
        cases.push_back(randomCounts(random, i % 2 ? 283 : 256));

    for (const auto& counts : cases) {
        const AceCodeTable table(counts, 11);
        AceBitWriter w;
        table.writeLengths(w);
        w.put(0x5A5, 11); // what follows must start where the table ends
        w.padToWord();
        QByteArray bytes;
        w.takeWords(bytes);
        BitReader in(bytes);
        ASSERT_EQ(readLengths(in, counts.size()), table.lengths());
        EXPECT_EQ(in.take(11), 0x5A5u);
    }
}
