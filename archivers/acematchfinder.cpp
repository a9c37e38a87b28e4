#include "acematchfinder.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// Room past the end of the data, so that comparisons may read whole words.
constexpr std::size_t Slack = 16;

uint64_t load64(const uint8_t* p)
{
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
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
    , m_buffer(2 * std::size_t(m_window) + Slack, 0)
    , m_head(std::size_t(1) << settings.hashBits, 0)
    , m_prev(m_window, 0)
    , m_long(settings.longHashBits > 0 ? std::size_t(1) << settings.longHashBits : 0, 0)
{
}

uint32_t AceMatchFinder::hashAt(uint32_t pos) const
{
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
}

uint32_t AceMatchFinder::matchLength(uint32_t distance, uint32_t limit) const
{
    const uint8_t* a = m_buffer.data() + m_cursor;
    const uint8_t* b = a - distance;
    limit = std::min(limit, available());
    uint32_t len = 0;
    while (len < limit) {
        const uint64_t diff = load64(a + len) ^ load64(b + len);
        if (diff != 0) {
            // The first differing byte is the lowest in memory order.
            const int bit = std::endian::native == std::endian::little ? std::countr_zero(diff) : std::countl_zero(diff);
            return std::min(limit, len + uint32_t(bit / 8));
        }
        len += 8;
    }
    return limit;
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
