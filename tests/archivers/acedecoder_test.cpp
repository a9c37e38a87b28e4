// ACE's LZ77 decoder: what the encoder writes at every level comes back
// whole, and streams put together in ways the encoder never uses (other
// table shapes, every kind of match, empty blocks) unpack exactly as unace
// unpacks them.
#include "testworkspace.h"

#include "acebitwriter.h"
#include "acecodetable.h"
#include "aceformat.h"
#include "acelz77decoder.h"
#include "acelz77encoder.h"
#include "crc32.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <bit>

namespace {

struct Unpacked {
    AceLz77Decoder::Status status;
    QByteArray bytes;
};

// Fed in pieces of 1 to `piece` bytes, so that words and tables straddle them.
Unpacked unpack(AceLz77Decoder& decoder, const QByteArray& packed, uint64_t size, int piece, quint32 seed = 1)
{
    QRandomGenerator random(seed);
    qsizetype at = 0;
    const auto input = [&](char* data, qint64 max) -> qint64 {
        const qint64 n = std::min<qint64>({max, packed.size() - at, 1 + qint64(random.bounded(piece))});
        std::copy_n(packed.constData() + at, n, data);
        at += n;
        return n;
    };
    Unpacked out;
    out.status = decoder.decode(size, input, [&](const char* data, std::size_t n) { out.bytes.append(data, qsizetype(n)); });
    return out;
}

QByteArray pack(const QByteArray& data, int level)
{
    AceLz77Encoder encoder(AceLz77Encoder::forLevel(level, uint64_t(data.size())));
    QByteArray out;
    for (qsizetype at = 0; at < data.size(); at += 100000)
        encoder.write(data.constData() + at, std::size_t(std::min<qsizetype>(100000, data.size() - at)), out);
    encoder.finish(out);
    return out;
}

// One step of a hand-made stream: a literal, a match at one of the last
// four distances, or a match at a new distance.
struct Op {
    enum Kind { Literal, Repeat, Match } kind;
    uint32_t value;  // the byte, the repeat slot, or the distance
    uint32_t length; // of a match
};

// How a hand-made stream lays out its blocks and tables.
struct Shape {
    int blockSymbols = 32767;  // symbols per block
    int trailingZeros = 0;     // lengths of no code sent after the last code
    bool runsInLengths = true; // runs of unchanged lengths shortened
    bool zeroCount = false;    // every block's count sent as 0
    bool singleCodes = false;  // a table of one used symbol gets that one code
};

// The lengths of a table, written the way a reader takes them back, with
// as many trailing zeros as asked for; returns the codes that reader derives.
AceCodeTable writeTable(AceBitWriter& w, const std::vector<uint32_t>& counts, const Shape& shape)
{
    const AceCodeTable table(counts, AceLz77Encoder::MaxCodeBits);
    std::vector<uint8_t> lengths = table.lengths();
    if (shape.singleCodes && std::count_if(counts.begin(), counts.end(), [](uint32_t c) { return c > 0; }) == 1) {
        for (std::size_t i = 0; i < counts.size(); ++i)
            lengths[i] = counts[i] ? 1 : 0;
    }
    while (!lengths.empty() && lengths.back() == 0)
        lengths.pop_back();
    lengths.resize(std::min(counts.size(), lengths.size() + std::size_t(shape.trailingZeros)), 0);
    if (shape.trailingZeros == 0 && shape.runsInLengths && !shape.singleCodes) {
        table.writeLengths(w);
        return table;
    }
    int shortest = 255, longest = 0;
    for (uint8_t l : lengths)
        if (l) {
            shortest = std::min<int>(shortest, l);
            longest = std::max<int>(longest, l);
        }
    const int base = shortest - 1;
    const int spread = longest - base + 1;
    // Every difference gets a 4-bit code; the run symbol `spread` is not used.
    const AceCodeTable small = AceCodeTable::fromLengths(std::vector<uint8_t>(std::size_t(spread) + 1, 4),
                                                         AceCodeTable::LengthsTableBits, AceCodeTable::Extent::Whole);
    w.put(uint32_t(lengths.size() - 1), 9);
    w.put(uint32_t(base), 4);
    w.put(uint32_t(spread), 4);
    for (int s = 0; s <= spread; ++s)
        w.put(4, 3);
    int previous = 0;
    for (uint8_t l : lengths) {
        const int value = l ? l - base : 0;
        small.put(w, (value - previous + spread) % spread);
        previous = value;
    }
    return AceCodeTable::fromLengths(lengths, AceLz77Encoder::MaxCodeBits, AceCodeTable::Extent::Whole);
}

// The stream for ops, and the bytes it stands for.
QByteArray handMade(const std::vector<Op>& ops, const Shape& shape, QByteArray* expected)
{
    struct Symbol {
        int main, length, extraBits;
        uint32_t extra;
    };
    std::vector<Symbol> symbols;
    std::array<uint32_t, 4> repeats{};
    for (const Op& op : ops) {
        if (op.kind == Op::Literal) {
            symbols.push_back({int(op.value), 0, 0, 0});
            expected->append(char(op.value));
            continue;
        }
        uint32_t stored;
        if (op.kind == Op::Repeat) {
            stored = repeats[op.value];
            std::rotate(repeats.begin(), repeats.begin() + op.value, repeats.begin() + op.value + 1);
            symbols.push_back({256 + int(op.value), int(op.length - (op.value < 2 ? 2 : 3)), 0, 0});
        } else {
            stored = op.value - 1;
            const int bits = stored == 0 ? 0 : int(std::bit_width(stored));
            const int extra = bits > 1 ? bits - 1 : 0;
            const uint32_t base = stored <= 255 ? 2 : stored <= 8191 ? 3 : 4;
            symbols.push_back({260 + bits, int(op.length - base), extra, extra ? stored - (1u << extra) : 0});
            std::rotate(repeats.begin(), repeats.begin() + 3, repeats.end());
            repeats[0] = stored;
        }
        for (uint32_t i = 0; i < op.length; ++i)
            expected->append(expected->at(expected->size() - qsizetype(stored) - 1));
    }

    AceBitWriter w;
    for (std::size_t first = 0; first < symbols.size(); first += std::size_t(shape.blockSymbols)) {
        const std::size_t end = std::min(symbols.size(), first + std::size_t(shape.blockSymbols));
        std::vector<uint32_t> mainCounts(AceLz77Encoder::MainSymbols, 0), lengthCounts(AceLz77Encoder::LengthSymbols, 0);
        for (std::size_t i = first; i < end; ++i) {
            ++mainCounts[std::size_t(symbols[i].main)];
            if (symbols[i].main >= 256)
                ++lengthCounts[std::size_t(symbols[i].length)];
        }
        const AceCodeTable mainTable = writeTable(w, mainCounts, shape);
        const AceCodeTable lengthTable = writeTable(w, lengthCounts, shape);
        w.put(shape.zeroCount ? 0 : uint32_t(end - first), 15);
        for (std::size_t i = first; i < end; ++i) {
            mainTable.put(w, symbols[i].main);
            if (symbols[i].main >= 256) {
                w.put(symbols[i].extra, symbols[i].extraBits);
                lengthTable.put(w, symbols[i].length);
            }
        }
    }
    w.padToWord();
    QByteArray out;
    w.takeWords(out);
    return out;
}

// An archive of one file packed as given, to put before unace.
QByteArray aceArchive(const QByteArray& packed, const QByteArray& content)
{
    SourceEntry e;
    e.storedName = QStringLiteral("f.bin");
    e.size = uint64_t(content.size());
    e.attributes = SourceEntry::Archive;
    e.modified = QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6));
    EntryPart part;
    part.packedSize = uint64_t(packed.size());
    part.fileCrc = Crc32::of(content);
    part.packing = {true, 3, 20};
    const AceFormat format(3);
    return format.volumeStart(0, false) + format.entryHeader(e, part) + packed;
}

QByteArray unaceExtracts(const TestWorkspace& ws, const QString& name, const QByteArray& archive)
{
    const QString folder = ws.scratch(name);
    QFile f(folder + QStringLiteral("/x.ace"));
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(archive);
    f.close();
    const auto r = TestWorkspace::run(QStringLiteral("unace"), {"x", "-y", "x.ace"}, folder);
    QFile out(folder + QStringLiteral("/f.bin"));
    if (!r.ok() || !out.open(QIODevice::ReadOnly))
        return QByteArray("unace failed: ") + r.out.toUtf8();
    return out.readAll();
}

std::vector<Op> literals(const QByteArray& bytes)
{
    std::vector<Op> ops;
    for (char c : bytes)
        ops.push_back({Op::Literal, uint8_t(c), 0});
    return ops;
}

} // namespace

TEST(AceDecoderTest, WhatEveryLevelPacksComesBackWholeFromPiecesOfAnySize)
{
    QRandomGenerator random(5);
    QByteArray noise(70000, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    const QByteArray prose = TestWorkspace::proseLike(300000, 9);
    // Past two windows, so that the finder moves its data down mid-file.
    const QByteArray longProse = TestWorkspace::proseLike(1050000, 4);
    const QList<QByteArray> inputs{prose, noise + prose.left(5000) + noise, QByteArray(200000, '\0'), "abcabcabcabcabcab",
                                   longProse + longProse};

    AceLz77Decoder decoder; // one decoder for every file, as a set test uses it
    for (int level = 1; level <= 5; ++level) {
        for (const QByteArray& data : inputs) {
            SCOPED_TRACE(testing::Message() << "level " << level << ", " << data.size() << " bytes");
            const QByteArray packed = pack(data, level);
            const Unpacked whole = unpack(decoder, packed, uint64_t(data.size()), 1 << 16);
            ASSERT_EQ(whole.status, AceLz77Decoder::Status::Done) << decoder.error().toStdString();
            EXPECT_TRUE(whole.bytes == data);
            EXPECT_TRUE(unpack(decoder, packed, uint64_t(data.size()), 7, quint32(level)).bytes == data);
            // Data that stops short is corrupt, never a hang or a read beyond it.
            EXPECT_EQ(unpack(decoder, packed.left(packed.size() / 2), uint64_t(data.size()), 1 << 16).status,
                      AceLz77Decoder::Status::Corrupt);
        }
    }
}

TEST(AceDecoderTest, StreamsTheEncoderNeverWritesUnpackAsUnaceUnpacksThem)
{
    const QByteArray text = TestWorkspace::proseLike(12000, 4);
    std::vector<Op> everyMatch = literals(text);
    // Distances of 0, 1 and many extra bits, each base of length, the
    // longest lengths, and all four remembered distances in turn.
    for (const Op& op : std::initializer_list<Op>{{Op::Match, 1, 2},     {Op::Match, 2, 257},  {Op::Match, 3, 3},
                                                   {Op::Match, 300, 3},  {Op::Match, 11999, 4}, {Op::Match, 9000, 259},
                                                   {Op::Repeat, 0, 2},   {Op::Repeat, 1, 257}, {Op::Repeat, 2, 3},
                                                   {Op::Repeat, 3, 258}, {Op::Repeat, 3, 5},   {Op::Literal, 'z', 0},
                                                   {Op::Match, 4, 40},   {Op::Repeat, 2, 30}})
        everyMatch.push_back(op);
    const std::vector<Op> farMatch = [&] {
        std::vector<Op> ops = literals(TestWorkspace::proseLike(600000, 8));
        ops.push_back({Op::Match, 590000, 259});
        ops.push_back({Op::Repeat, 0, 100});
        return ops;
    }();

    struct Case {
        const char* name;
        std::vector<Op> ops;
        Shape shape;
    };
    const std::vector<Case> cases{
        {"every kind of match", everyMatch, {}},
        {"a far match after many blocks", farMatch, {4000}},
        {"lengths sent past the last code", everyMatch, {500, 40}},
        {"lengths sent one by one", everyMatch, {32767, 0, false}},
        {"a count of 0, which is 65,536", literals(TestWorkspace::proseLike(140000, 3)), {65536, 0, true, true}},
        {"a table of a single code", {{Op::Literal, 'a', 0}, {Op::Literal, 'b', 0}, {Op::Match, 1, 7},
                                      {Op::Literal, 'a', 0}, {Op::Match, 1, 7}, {Op::Literal, 'b', 0}},
         {32767, 0, true, false, true}},
    };
    TestWorkspace ws;
    AceLz77Decoder decoder;
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray expected;
        const QByteArray packed = handMade(c.ops, c.shape, &expected);
        const Unpacked ours = unpack(decoder, packed, uint64_t(expected.size()), 4096);
        EXPECT_EQ(ours.status, AceLz77Decoder::Status::Done) << decoder.error().toStdString();
        EXPECT_TRUE(ours.bytes == expected);
        EXPECT_TRUE(unaceExtracts(ws, QStringLiteral("case%1").arg(n++), aceArchive(packed, expected)) == expected);
    }
}
