#include "aceoptimalparser.h"

#include "acelz77encoder.h"
#include "huffmanlengths.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace {

constexpr uint32_t Unreached = std::numeric_limits<uint32_t>::max();
constexpr uint32_t BitCost = 16;
// Fewer bytes than this make no prices for the next stretch.
constexpr uint32_t MinPricedBytes = 4096;

int distanceBits(uint32_t stored)
{
    return stored == 0 ? 0 : int(std::bit_width(stored));
}

uint32_t lengthBase(uint32_t stored)
{
    return stored <= 255 ? 2 : stored <= 8191 ? 3 : 4;
}

uint32_t repeatBase(int index)
{
    return index < 2 ? 2 : 3;
}

// Costs of the symbols of a path, as the codes built from their counts
// would give them; a symbol that did not occur costs a little more than the
// longest code.
std::vector<uint32_t> costsFrom(const std::vector<uint32_t>& counts)
{
    const std::vector<uint8_t> lengths = HuffmanLengths::limited(counts, AceLz77Encoder::MaxCodeBits);
    std::vector<uint32_t> costs(counts.size());
    for (std::size_t s = 0; s < counts.size(); ++s)
        costs[s] = (lengths[s] ? lengths[s] : AceLz77Encoder::MaxCodeBits + 1) * BitCost;
    return costs;
}

} // namespace

AceOptimalParser::AceOptimalParser(AceMatchFinder& finder, const Settings& settings)
    : m_finder(finder)
    , m_settings(settings)
    , m_mainCost(AceLz77Encoder::MainSymbols)
    , m_lengthCost(AceLz77Encoder::LengthSymbols)
{
    // Before anything is known: literals as bytes, matches of any kind a
    // little dearer than a literal, short lengths cheaper than long ones.
    for (int s = 0; s < AceLz77Encoder::MainSymbols; ++s)
        m_mainCost[std::size_t(s)] = (s < 256 ? 8 : s < 260 ? 6 : 7) * BitCost;
    for (int v = 0; v < AceLz77Encoder::LengthSymbols; ++v)
        m_lengthCost[std::size_t(v)] = uint32_t(2 + std::bit_width(uint32_t(v))) * BitCost;
}

void AceOptimalParser::afterMatch(Repeats& repeats, const Step& step)
{
    if (step.repeat >= 0) {
        const uint32_t stored = repeats[std::size_t(step.repeat)];
        for (int i = step.repeat; i > 0; --i)
            repeats[std::size_t(i)] = repeats[std::size_t(i - 1)];
        repeats[0] = stored;
    } else {
        for (int i = 3; i > 0; --i)
            repeats[std::size_t(i)] = repeats[std::size_t(i - 1)];
        repeats[0] = step.distance - 1;
    }
}

const std::vector<AceOptimalParser::Step>& AceOptimalParser::parse(uint32_t count, const Repeats& repeats)
{
    count = collect(count);
    // The first stretch is priced from a guess, so it is parsed once more
    // with what its own path costs. A short stretch, cut by a nice match,
    // says too little of the data to price the next by.
    const bool telling = count >= MinPricedBytes || m_nice.length == 0;
    const int passes = m_priced || !telling ? m_settings.passes : std::max(2, m_settings.passes);
    for (int pass = 0; pass < passes; ++pass) {
        choose(count, repeats);
        if (telling)
            reprice();
    }
    m_priced = m_priced || telling;
    if (m_nice.length > 0)
        takeNice(repeats);
    return m_steps;
}

void AceOptimalParser::takeNice(const Repeats& repeats)
{
    // A repeated distance costs far less than its new distance's bits, even
    // if the length must be cut to what a repeat codes.
    Repeats now = repeats;
    for (const Step& step : m_steps)
        if (step.length > 0)
            afterMatch(now, step);
    Step nice{m_nice.length, m_nice.distance, -1};
    for (int r = 0; r < 4; ++r) {
        if (now[std::size_t(r)] + 1 == nice.distance) {
            nice.repeat = r;
            nice.length = std::min(nice.length, 255 + repeatBase(r));
            break;
        }
    }
    m_steps.push_back(nice);
    m_finder.advance(1);
    for (uint32_t i = 1; i < nice.length; ++i) {
        m_finder.passOver();
        m_finder.advance(1);
    }
}

uint32_t AceOptimalParser::collect(uint32_t count)
{
    m_nice = {};
    m_start = m_finder.cursor();
    m_matches.clear();
    m_firstMatch.resize(std::size_t(count) + 1);
    m_searched.assign(count, 1);
    AceMatchFinder::Found found[MaxMatchesPerPosition];
    uint32_t unsearched = 0;
    for (uint32_t i = 0; i < count; ++i) {
        m_firstMatch[i] = uint32_t(m_matches.size());
        if (unsearched > 0) {
            m_finder.insertInTree();
            m_searched[i] = 0;
            --unsearched;
        } else if (m_misses >= MissesBeforeSkipping && m_skipped < std::min(m_misses / MissesBeforeSkipping, MaxSkip)) {
            // Data that has long had no match is taken for incompressible,
            // and passed at wider and wider steps, back to every byte at
            // the next match.
            m_searched[i] = 0;
            ++m_skipped;
        } else {
            m_skipped = 0;
            // The far table is read before the cursor enters it. It knows
            // repeats farther back than the tree's depth gets.
            const AceMatchFinder::Found far = m_finder.findLong();
            int n = m_finder.insertAndFindAll(found, MaxMatchesPerPosition);
            if (far.length > (n > 0 ? found[n - 1].length : 0)) {
                if (n == MaxMatchesPerPosition) {
                    for (int k = 1; k < n; ++k)
                        found[k - 1] = found[k];
                    --n;
                }
                found[n++] = far;
            }
            m_misses = n > 0 ? 0 : m_misses + 1;
            // A match as long as ACE codes at its distance counts as nice.
            if (n > 0 && found[n - 1].length >= std::min(m_settings.niceLength, MaxMatchAnywhere)) {
                if (m_settings.cutAtNice) {
                    m_nice = found[n - 1];
                    m_firstMatch.resize(std::size_t(i) + 1);
                    m_searched.resize(i);
                    return i;
                }
                unsearched = found[n - 1].length - 1;
            }
            m_matches.insert(m_matches.end(), found, found + n);
        }
        m_finder.advance(1);
    }
    m_firstMatch[count] = uint32_t(m_matches.size());
    return count;
}

void AceOptimalParser::choose(uint32_t count, const Repeats& repeats)
{
    m_nodes.assign(std::size_t(count) + 1, Node{Unreached, 0, 0, -1, {}});
    m_nodes[0].cost = 0;
    m_nodes[0].repeats = repeats;
    // Every length of a match is weighed up to the nice length; past it,
    // only the whole match.
    const uint32_t everyLengthTo = m_settings.niceLength;
    // A lambda, so that the innermost loop keeps it inline.
    const auto relax = [this](uint32_t to, uint32_t cost, uint32_t length, uint32_t distance, int repeat) {
        Node& n = m_nodes[to];
        if (cost < n.cost) {
            n.cost = cost;
            n.length = length;
            n.distance = distance;
            n.repeat = repeat;
        }
    };
    for (uint32_t i = 0; i < count; ++i) {
        Node& here = m_nodes[i];
        if (i > 0) {
            const Node& from = m_nodes[i - std::max(here.length, 1u)];
            here.repeats = from.repeats;
            if (here.length > 0)
                afterMatch(here.repeats, {here.length, here.distance, here.repeat});
        }
        const uint32_t pos = m_start + i;
        relax(i + 1, here.cost + m_mainCost[m_finder.byteAtPosition(pos)], 0, 0, -1);
        if (!m_searched[i])
            continue;
        const uint32_t room = count - i;

        for (int r = 0; r < 4; ++r) {
            const uint32_t distance = here.repeats[std::size_t(r)] + 1;
            // Most repeats fail at once: two bytes are checked before the
            // whole length is measured.
            if (!m_finder.reachesFrom(pos, distance) || m_finder.byteAtPosition(pos) != m_finder.byteAtPosition(pos - distance)
                || m_finder.byteAtPosition(pos + 1) != m_finder.byteAtPosition(pos + 1 - distance))
                continue;
            const uint32_t base = repeatBase(r);
            const uint32_t length = m_finder.matchLengthAt(pos, distance, std::min(255 + base, room));
            const uint32_t cost = here.cost + m_mainCost[256 + std::size_t(r)];
            for (uint32_t l = base; l <= length; ++l)
                if (l <= everyLengthTo || l == length)
                    relax(i + l, cost + m_lengthCost[l - base], l, distance, r);
        }

        uint32_t shorter = 0;
        for (uint32_t m = m_firstMatch[i]; m < m_firstMatch[i + 1]; ++m) {
            const AceMatchFinder::Found& found = m_matches[m];
            const uint32_t stored = found.distance - 1;
            const int bits = distanceBits(stored);
            const uint32_t extra = bits > 1 ? uint32_t(bits - 1) : 0;
            const uint32_t cost = here.cost + m_mainCost[260 + std::size_t(bits)] + extra * BitCost;
            const uint32_t base = lengthBase(stored);
            const uint32_t length = std::min(found.length, room);
            for (uint32_t l = std::max(shorter + 1, base); l <= length; ++l)
                if (l <= everyLengthTo || l == length)
                    relax(i + l, cost + m_lengthCost[l - base], l, found.distance, -1);
            shorter = std::max(shorter, length);
        }
    }

    m_steps.clear();
    for (uint32_t at = count; at > 0;) {
        const Node& n = m_nodes[at];
        m_steps.push_back({n.length, n.distance, n.repeat});
        at -= std::max(n.length, 1u);
    }
    std::reverse(m_steps.begin(), m_steps.end());
}

void AceOptimalParser::reprice()
{
    std::vector<uint32_t> mainCounts(AceLz77Encoder::MainSymbols, 0);
    std::vector<uint32_t> lengthCounts(AceLz77Encoder::LengthSymbols, 0);
    uint32_t at = m_start;
    for (const Step& step : m_steps) {
        if (step.length == 0) {
            ++mainCounts[m_finder.byteAtPosition(at++)];
            continue;
        }
        at += step.length;
        if (step.repeat >= 0) {
            ++mainCounts[256 + std::size_t(step.repeat)];
            ++lengthCounts[step.length - repeatBase(step.repeat)];
        } else {
            const uint32_t stored = step.distance - 1;
            ++mainCounts[260 + std::size_t(distanceBits(stored))];
            ++lengthCounts[step.length - lengthBase(stored)];
        }
    }
    m_mainCost = costsFrom(mainCounts);
    m_lengthCost = costsFrom(lengthCounts);
}
