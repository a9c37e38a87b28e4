#include "acematchfinder.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// Room past the end of the data, so that comparisons may read whole words.
constexpr std::size_t Slack = 16;
constexpr int Hash3Bits = 15;
// The farthest a three-byte match is coded.
constexpr uint32_t NearDistance = 8192;

uint64_t load64(const uint8_t* p)
{
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

uint32_t hash3(const uint8_t* p)
{
    const uint32_t key = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
    return (key * 0x9E3779B1u) >> (32 - Hash3Bits);
}

// The longest match ACE can code at a distance, and the shortest it codes.
uint32_t longestFor(uint32_t distance)
{
    return distance <= 256 ? 257 : distance <= 8192 ? 258 : 259;
}
uint32_t shortestFor(uint32_t distance)
{
    return distance <= 8192 ? 3 : 4;
}

} // namespace

AceMatchFinder::AceMatchFinder(const Settings& settings)
    : m_settings(settings)
    , m_window(1u << settings.windowBits)
    , m_mask(m_window - 1)
    , m_maxDistance(m_window - Lookahead)
    , m_treeMask(settings.treeBits > 0 && settings.treeBits < settings.windowBits ? (1u << settings.treeBits) - 1 : m_mask)
    , m_treeReach(std::min(m_maxDistance, m_treeMask))
    , m_buffer(2 * std::size_t(m_window) + Slack, 0)
    , m_head(std::size_t(1) << settings.hashBits, 0)
    , m_prev(settings.treeDepth > 0 ? 2 * (std::size_t(m_treeMask) + 1) : m_window, 0)
    , m_head3(settings.treeDepth > 0 ? std::size_t(1) << Hash3Bits : 0, 0)
    , m_long(settings.longHashBits > 0 ? std::size_t(1) << settings.longHashBits : 0, 0)
{
}

uint32_t AceMatchFinder::hashAt(uint32_t pos) const
{
    if (m_settings.hashBytes > 4) {
        const uint64_t key = load64(m_buffer.data() + pos) << (64 - 8 * m_settings.hashBytes);
        return uint32_t((key * 0x9E3779B97F4A7C15ull) >> (64 - m_settings.hashBits));
    }
    uint32_t key;
    std::memcpy(&key, m_buffer.data() + pos, sizeof key);
    if (m_settings.hashBytes == 3)
        key &= 0xFFFFFF;
    return (key * 0x9E3779B1u) >> (32 - m_settings.hashBits);
}

uint32_t AceMatchFinder::longHashAt(uint32_t pos) const
{
    const uint8_t* p = m_buffer.data() + pos;
    const uint64_t mixed = load64(p) ^ std::rotl(load64(p + 8), 17) ^ std::rotl(load64(p + 16), 31)
        ^ std::rotl(load64(p + 24), 47);
    return uint32_t((mixed * 0x9E3779B97F4A7C15ull) >> (64 - m_settings.longHashBits));
}

void AceMatchFinder::insertLong()
{
    // Positions are taken on a fixed grid, so one of every LongStep bytes of
    // a repeat meets the position stored for its source.
    if (m_long.empty() || m_cursor % LongStep != 0 || available() < LongKey)
        return;
    m_long[longHashAt(m_cursor)] = m_cursor + 1;
}

AceMatchFinder::Found AceMatchFinder::findLong() const
{
    Found found;
    if (m_long.empty() || available() < LongKey)
        return found;
    const uint32_t stored = m_long[longHashAt(m_cursor)];
    if (stored == 0 || stored - 1 >= m_cursor)
        return found;
    const uint32_t distance = m_cursor - (stored - 1);
    if (distance > m_maxDistance)
        return found;
    const uint32_t length = matchLength(distance, longestFor(distance));
    if (length >= LongKey)
        found = {length, distance};
    return found;
}

std::size_t AceMatchFinder::append(const char* data, std::size_t size)
{
    const uint32_t capacity = 2 * m_window;
    if (m_end == capacity) {
        if (available() >= Lookahead)
            return 0;
        slide();
    }
    const std::size_t n = std::min<std::size_t>(size, capacity - m_end);
    std::memcpy(m_buffer.data() + m_end, data, n);
    m_end += uint32_t(n);
    return n;
}

void AceMatchFinder::slide()
{
    // The cursor is past two windows less the look-ahead, so the window of
    // history it needs lies in the upper half.
    std::memmove(m_buffer.data(), m_buffer.data() + m_window, m_end - m_window);
    m_end -= m_window;
    m_cursor -= m_window;
    auto rebase = [this](uint32_t& v) { v = v > m_window ? v - m_window : 0; };
    std::for_each(m_head.begin(), m_head.end(), rebase);
    std::for_each(m_prev.begin(), m_prev.end(), rebase);
    std::for_each(m_long.begin(), m_long.end(), rebase);
    std::for_each(m_head3.begin(), m_head3.end(), rebase);
}

uint32_t AceMatchFinder::matchLength(uint32_t distance, uint32_t limit) const
{
    return matchLengthAt(m_cursor, distance, limit);
}

int AceMatchFinder::insertAndFindAll(Found* out, int maxOut)
{
    return treeStep(out, maxOut);
}

void AceMatchFinder::insertInTree()
{
    treeStep(nullptr, 0);
}


int AceMatchFinder::treeStep(Found* out, int maxOut)
{
    prefetch();
    insertLong();
    const uint32_t maxLen = std::min(MaxMatch, available());
    if (maxLen < uint32_t(std::max(4, m_settings.hashBytes)))
        return 0;
    const uint8_t* here = m_buffer.data() + m_cursor;
    const uint32_t oldest = m_cursor > m_maxDistance ? m_cursor - m_maxDistance : 0;
    // A tree slot is reused a reach later, so older nodes are not followed.
    const uint32_t treeOldest = m_cursor > m_treeReach ? m_cursor - m_treeReach : 0;
    int found = 0;
    uint32_t bestLength = 0;
    auto keep = [&](uint32_t length, uint32_t distance) {
        length = std::min(length, longestFor(distance));
        if (!out || maxOut <= 0 || length <= bestLength || length < shortestFor(distance))
            return;
        bestLength = length;
        // Past the room given, the shorter ones make way.
        if (found == maxOut) {
            for (int k = 1; k < found; ++k)
                out[k - 1] = out[k];
            --found;
        }
        out[found++] = {length, distance};
    };

    uint32_t& near = m_head3[hash3(here)];
    if (near != 0 && m_cursor - (near - 1) <= NearDistance && near - 1 >= oldest) {
        const uint8_t* there = m_buffer.data() + (near - 1);
        if (there[0] == here[0] && there[1] == here[1] && there[2] == here[2])
            keep(3, m_cursor - (near - 1));
    }
    near = m_cursor + 1;

    uint32_t& head = m_head[hashAt(m_cursor)];
    uint32_t node = head;
    head = m_cursor + 1;
    // The new string becomes the root: the old tree is split into the
    // strings below it and those above, hung on its two sides.
    uint32_t* lesser = &m_prev[2 * std::size_t(m_cursor & m_treeMask)];
    uint32_t* greater = lesser + 1;
    const uint32_t nice = std::min(m_settings.niceLength, maxLen);
    uint32_t lesserLength = 0;
    uint32_t greaterLength = 0;
    uint32_t length = 0;
    int depth = out ? m_settings.treeDepth : m_settings.skipDepth;
    while (node != 0 && node - 1 >= treeOldest && depth-- > 0) {
        const uint32_t at = node - 1;
        const uint8_t* there = m_buffer.data() + at;
        uint32_t* children = &m_prev[2 * std::size_t(at & m_treeMask)];
        if (there[length] == here[length]) {
            length = extend(here, there, length + 1, maxLen);
            keep(length, m_cursor - at);
            if (length >= nice) {
                // The same string: it hands its subtrees on whole.
                *lesser = children[0];
                *greater = children[1];
                return found;
            }
        }
        if (there[length] < here[length]) {
            *lesser = node;
            lesser = &children[1];
            node = *lesser;
            lesserLength = length;
        } else {
            *greater = node;
            greater = &children[0];
            node = *greater;
            greaterLength = length;
        }
        length = std::min(lesserLength, greaterLength);
    }
    *lesser = 0;
    *greater = 0;
    return found;
}

void AceMatchFinder::prefetch() const
{
    // The head slot of a string a few bytes on is fetched early: chains over
    // a large window miss the cache, and the cursor gets there soon.
    constexpr uint32_t Ahead = 8;
    if (available() >= Ahead + 4)
        __builtin_prefetch(&m_head[hashAt(m_cursor + Ahead)], 1);
    if (!m_long.empty() && available() >= Ahead + LongKey)
        __builtin_prefetch(&m_long[longHashAt(m_cursor + Ahead)], 1);
}

void AceMatchFinder::insert()
{
    prefetch();
    insertLong();
    if (available() < uint32_t(m_settings.hashBytes))
        return;
    uint32_t& head = m_head[hashAt(m_cursor)];
    m_prev[m_cursor & m_mask] = head;
    head = m_cursor + 1;
}

AceMatchFinder::Found AceMatchFinder::insertAndFind(int maxChain, uint32_t longerThan)
{
    Found best;
    prefetch();
    insertLong();
    if (available() < uint32_t(m_settings.hashBytes))
        return best;
    uint32_t& head = m_head[hashAt(m_cursor)];
    uint32_t candidate = head;
    m_prev[m_cursor & m_mask] = head;
    head = m_cursor + 1;

    const uint32_t cap = std::min(MaxMatch, available());
    if (cap <= longerThan)
        return best;
    const uint32_t oldest = m_cursor > m_maxDistance ? m_cursor - m_maxDistance : 0;
    const uint8_t* here = m_buffer.data() + m_cursor;
    uint32_t bestLength = longerThan;
    while (candidate != 0 && maxChain-- > 0) {
        const uint32_t at = candidate - 1;
        if (at < oldest)
            break;
        const uint8_t* there = m_buffer.data() + at;
        // Only a longer match is of use: its last byte must agree first.
        if (there[bestLength] == here[bestLength] && there[0] == here[0] && there[1] == here[1]) {
            const uint32_t distance = m_cursor - at;
            const uint32_t length = matchLength(distance, std::min(cap, longestFor(distance)));
            if (length > bestLength && length >= shortestFor(distance)) {
                bestLength = length;
                best = {length, distance};
                if (length >= m_settings.niceLength || length == cap)
                    break;
            }
        }
        const uint32_t next = m_prev[at & m_mask];
        if (next >= candidate) // a link left from an older window
            break;
        candidate = next;
    }
    return best;
}
