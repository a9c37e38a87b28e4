#include "acelz77encoder.h"

#include "acecodetable.h"

#include <algorithm>
#include <bit>

namespace {

// Bits of a distance less one: 0 and 1 stand for themselves, and larger
// values drop their leading one bit.
int distanceBits(uint32_t stored)
{
    return stored == 0 ? 0 : int(std::bit_width(stored));
}

int extraBits(uint32_t stored)
{
    const int bits = distanceBits(stored);
    return bits > 1 ? bits - 1 : 0;
}

// The shortest match of each kind, which its length code counts from.
uint32_t lengthBase(uint32_t stored)
{
    return stored <= 255 ? 2 : stored <= 8191 ? 3 : 4;
}
uint32_t repeatBase(int index)
{
    return index < 2 ? 2 : 3;
}

} // namespace

AceLz77Encoder::Settings AceLz77Encoder::forLevel(int level, uint64_t fileSize)
{
    // The finder's window bits, hash bits, chain, nice length, prefix bytes
    // and far-table bits, then the parse; -m3 is the default. ACE 1.0 readers take dictionaries
    // of up to 1 MB, so -m3 and up share that and differ in effort alone.
    Settings s;
    switch (level) {
    case 1: s.finder = {16, 16, 4, 32, 4, 13}; s.lazy = false; s.missesBeforeSkipping = 16; break;
    case 2: s.finder = {18, 18, 8, 32, 4, 15}; s.maxLazy = 8; s.goodLength = 8; break;
    // From -m3 on, the trees' depth for searched bytes and for those inside a
    // match taken whole follow, then the parse's passes, nice length and
    // stretch. A key of eight bytes keeps the trees of text small enough
    // for a shallow search to reach its best matches. -m3 keeps its trees to
    // the last 64 KB, where they stay in the caches (repeats farther back are
    // found by the far table), and takes a nice match as soon as it is found.
    case 4: s.finder = {20, 18, 0, 96, 6, 17, 24, 4}; s.parser = {2, 96, 32768}; break;
    case 5: s.finder = {20, 20, 0, 259, 4, 17, 64, 16}; s.parser = {3, 259, 32768}; break;
    default: s.finder = {20, 17, 0, 48, 8, 17, 8, 1, 16}; s.parser = {1, 48, 32768, true}; break;
    }
    s.optimal = level >= 3;
    // A small file needs no larger a window than itself, and clearing large
    // tables for it would cost more than packing it.
    while (s.finder.windowBits > MinWindowBits) {
        const uint64_t half = uint64_t(1) << (s.finder.windowBits - 1);
        if (fileSize > half - AceMatchFinder::Lookahead)
            break;
        --s.finder.windowBits;
    }
    s.finder.hashBits = std::min(s.finder.hashBits, s.finder.windowBits);
    s.finder.longHashBits = std::min(s.finder.longHashBits, s.finder.windowBits - 3);
    return s;
}

AceLz77Encoder::AceLz77Encoder(const Settings& settings)
    : m_settings(settings)
    , m_finder(settings.finder)
    , m_parser(m_finder, settings.parser)
{
    m_block.reserve(MaxBlockSymbols);
}

void AceLz77Encoder::write(const char* data, std::size_t size, QByteArray& out)
{
    while (size > 0) {
        const std::size_t taken = m_finder.append(data, size);
        data += taken;
        size -= taken;
        parse(false);
    }
    m_bits.takeWords(out);
}

void AceLz77Encoder::endBlock(QByteArray& out)
{
    flushBlock();
    m_bits.takeWords(out);
}

void AceLz77Encoder::finish(QByteArray& out)
{
    parse(true);
    flushBlock();
    m_bits.padToWord();
    m_bits.takeWords(out);
}

int AceLz77Encoder::score(const Match& m) const
{
    // Bits saved against literals, roughly: a literal costs about 7 bits, a
    // repeated distance about 9 bits with its length, a new one 12 and its
    // extra bits. Matches that save nothing stay literals.
    if (m.length == 0)
        return 0;
    const int cost = m.repeat >= 0 ? 9 : 12 + extraBits(m.distance - 1);
    return int(m.length) * 7 - cost;
}

AceLz77Encoder::Match AceLz77Encoder::bestAt(int maxChain)
{
    Match best;
    int bestScore = 0;
    for (int r = 0; r < 4; ++r) {
        const uint32_t distance = m_repeats[std::size_t(r)] + 1;
        if (!m_finder.reaches(distance))
            continue;
        const uint32_t length = m_finder.matchLength(distance, 255 + repeatBase(r));
        const Match m{length, distance, r};
        if (length >= repeatBase(r) && score(m) > bestScore) {
            best = m;
            bestScore = score(m);
        }
    }
    // The far table is read before the cursor enters it.
    if (best.length < m_settings.finder.niceLength) {
        const AceMatchFinder::Found far = m_finder.findLong();
        const Match longer{far.length, far.distance, -1};
        if (far.length > 0 && score(longer) > bestScore) {
            best = longer;
            bestScore = score(longer);
        }
    }
    // A long match leaves the chain nothing to find; the cursor still goes in.
    if (best.length >= m_settings.finder.niceLength)
        maxChain = 0;
    const AceMatchFinder::Found found = m_finder.insertAndFind(maxChain, 2);
    const Match fresh{found.length, found.distance, -1};
    if (found.length > 0 && score(fresh) > bestScore)
        best = fresh;
    m_misses = best.length == 0 ? m_misses + 1 : 0;
    return best;
}

void AceLz77Encoder::parse(bool atEnd)
{
    if (m_settings.optimal) {
        parseOptimal(atEnd);
        return;
    }
    if (!m_settings.lazy) {
        parseGreedy(atEnd);
        return;
    }
    const uint32_t need = atEnd ? 1 : AceMatchFinder::Lookahead;
    while (m_finder.available() >= need) {
        if (m_havePending && m_pending.length == 0 && skipUnsearched(need))
            continue;
        Match current;
        if (!m_havePending || m_pending.length < m_settings.maxLazy) {
            const bool good = m_havePending && m_pending.length >= m_settings.goodLength;
            const int chain = good ? m_settings.finder.maxChain / 4 : m_settings.finder.maxChain;
            current = bestAt(chain);
        } else {
            m_finder.insert();
        }
        if (m_havePending && m_pending.length > 0 && score(m_pending) >= score(current)) {
            // The match one byte back wins; the cursor is its second byte,
            // already in the chains.
            const uint32_t length = m_pending.length;
            match(m_pending);
            m_havePending = false;
            m_finder.advance(1);
            skip(length - 2);
            continue;
        }
        if (m_havePending)
            literal(m_finder.byteAt(-1));
        m_pending = current;
        m_havePending = true;
        m_finder.advance(1);
    }
    if (atEnd && m_havePending) {
        literal(m_finder.byteAt(-1));
        m_havePending = false;
    }
}

void AceLz77Encoder::parseGreedy(bool atEnd)
{
    const uint32_t need = atEnd ? 1 : AceMatchFinder::Lookahead;
    bool skipped = false;
    while (m_finder.available() >= need) {
        // After a stretch passed unsearched comes a search again.
        if (!skipped && skipUnsearched(need)) {
            skipped = true;
            continue;
        }
        skipped = false;
        const Match m = bestAt(m_settings.finder.maxChain);
        if (m.length == 0) {
            literal(m_finder.byteAt(0));
            m_finder.advance(1);
            continue;
        }
        match(m);
        m_finder.advance(1);
        // Entering every byte of a long match buys little at this level.
        if (m.length <= m_settings.finder.niceLength)
            skip(m.length - 1);
        else
            m_finder.advance(m.length - 1);
    }
}

void AceLz77Encoder::parseOptimal(bool atEnd)
{
    // Stretches are parsed whole once the look-ahead is in, or before the
    // finder must make room; at the end, whatever is left.
    const uint32_t stretch = m_settings.parser.chunkBytes;
    for (;;) {
        const uint32_t available = m_finder.available();
        uint32_t count;
        if (atEnd)
            count = std::min(available, stretch);
        else if (available >= AceMatchFinder::Lookahead + stretch)
            count = stretch;
        else if (m_finder.full() && available >= AceMatchFinder::Lookahead)
            count = available - AceMatchFinder::Lookahead + 1;
        else
            count = 0;
        if (count == 0)
            return;
        const std::vector<AceOptimalParser::Step>& steps = m_parser.parse(count, m_repeats);
        uint32_t at = m_parser.start();
        for (const AceOptimalParser::Step& step : steps) {
            if (step.length == 0) {
                literal(m_finder.byteAtPosition(at++));
                continue;
            }
            match({step.length, step.distance, step.repeat});
            at += step.length;
        }
    }
}

bool AceLz77Encoder::skipUnsearched(uint32_t need)
{
    const uint32_t after = m_settings.missesBeforeSkipping;
    if (after == 0 || m_misses < after)
        return false;
    // The byte before the cursor waits as a literal; it goes first.
    if (m_havePending) {
        literal(m_finder.byteAt(-1));
        m_havePending = false;
    }
    const uint32_t step = std::min(m_misses / after, MaxSkip);
    for (uint32_t i = 0; i < step && m_finder.available() >= need; ++i) {
        literal(m_finder.byteAt(0));
        m_finder.advance(1);
    }
    return true;
}

void AceLz77Encoder::skip(uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i) {
        m_finder.insert();
        m_finder.advance(1);
    }
}

void AceLz77Encoder::literal(uint8_t byte)
{
    m_block.push_back({byte, 0, 0, 0});
    ++m_parsed;
    if (m_block.size() == std::size_t(MaxBlockSymbols))
        flushBlock();
}

void AceLz77Encoder::match(const Match& m)
{
    if (m.repeat >= 0) {
        m_block.push_back({uint16_t(256 + m.repeat), uint8_t(m.length - repeatBase(m.repeat)), 0, 0});
    } else {
        const uint32_t stored = m.distance - 1;
        const int bits = distanceBits(stored);
        const int extra = extraBits(stored);
        m_block.push_back({uint16_t(260 + bits), uint8_t(m.length - lengthBase(stored)), uint8_t(extra),
                           extra > 0 ? stored - (1u << extra) : 0});
    }
    AceOptimalParser::afterMatch(m_repeats, {m.length, m.distance, m.repeat});
    m_parsed += m.length;
    if (m_block.size() == std::size_t(MaxBlockSymbols))
        flushBlock();
}

void AceLz77Encoder::flushBlock()
{
    if (m_block.empty())
        return;
    std::vector<uint32_t> mainCounts(MainSymbols, 0);
    std::vector<uint32_t> lengthCounts(LengthSymbols, 0);
    for (const Symbol& s : m_block) {
        ++mainCounts[s.main];
        if (s.main >= 256)
            ++lengthCounts[s.length];
    }
    const AceCodeTable mainTable(mainCounts, MaxCodeBits);
    const AceCodeTable lengthTable(lengthCounts, MaxCodeBits);
    mainTable.writeLengths(m_bits);
    lengthTable.writeLengths(m_bits);
    m_bits.put(uint32_t(m_block.size()), 15);
    for (const Symbol& s : m_block) {
        mainTable.put(m_bits, s.main);
        if (s.main >= 256) {
            m_bits.put(s.extra, s.extraBits);
            lengthTable.put(m_bits, s.length);
        }
    }
    m_block.clear();
}
