#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// Finds earlier occurrences of the bytes at the cursor for ACE's LZ77 stage:
// hash chains over three- or four-byte prefixes within a sliding window, and
// a table of long strings for repeats farther back than the chains get in
// their steps. The buffer holds two windows, so the data moves down once per
// window of input, and the chains keep one link per window position, so
// memory is fixed by the window size whatever the length of the file.
//
// For the levels that parse optimally the chains give way to binary trees
// (one per hash of four bytes, each kept sorted by the strings that follow
// its positions): a search there descends one path and returns every longer
// match on the way, and a search in repetitive data stops at the first string
// as long as the nice length, so its cost stays bounded by the depth.
//
// ACE codes a match found this way only when it is long enough for its
// distance (3 bytes up to 8,192 back, 4 beyond), and no longer than 257, 258
// or 259 bytes for distances up to 256, up to 8,192 and beyond.
class AceMatchFinder {
public:
    struct Settings {
        int windowBits = 20;        // the dictionary the header announces
        int hashBits = 17;
        int maxChain = 64;          // chain links followed per search
        uint32_t niceLength = 128;  // a match this long ends the search
        int hashBytes = 3;          // prefix length the chains are keyed on: 3 or 4
        // A second table, keyed on LongKey bytes, keeps one position of every
        // LongStep-th string; it finds long repeats that lie too far back for
        // the chains to reach in their steps. 0: none.
        int longHashBits = 0;
        // Binary trees searched this deep in place of the chains; 0: chains.
        int treeDepth = 0;
        // The depth at which bytes inside a match taken whole are entered.
        int skipDepth = 0;
        // How far back the trees reach, in bits: a tree of a smaller reach
        // than the window stays in the caches. 0: the whole window. Long
        // repeats farther back are still found through the far table.
        int treeBits = 0;
    };
    struct Found {
        uint32_t length = 0;
        uint32_t distance = 0;
    };

    static constexpr uint32_t MaxMatch = 259;
    // Bytes that must follow the cursor before a search runs, unless the
    // file has ended: the longest match and the lazy look one byte on.
    static constexpr uint32_t Lookahead = MaxMatch + 8;
    static constexpr uint32_t LongKey = 32;
    static constexpr uint32_t LongStep = 8;

    explicit AceMatchFinder(const Settings& settings);

    // Takes as many of the bytes as there is room for, and returns how many.
    // Room is made only once fewer than Lookahead bytes follow the cursor.
    std::size_t append(const char* data, std::size_t size);

    uint32_t available() const { return m_end - m_cursor; }
    // No more bytes are taken until the cursor comes within Lookahead of the end.
    bool full() const { return m_end == 2 * m_window; }
    uint8_t byteAt(int offset) const { return m_buffer[std::size_t(int64_t(m_cursor) + offset)]; }
    // The farthest a match may reach back: a window less the look-ahead, so
    // that a slide never drops history a match might still use.
    uint32_t maxDistance() const { return m_maxDistance; }
    // Whether the bytes `distance` back are inside this file and the window.
    bool reaches(uint32_t distance) const { return distance <= m_cursor && distance <= m_maxDistance; }

    // Length of the match `distance` back from the cursor, at most limit.
    uint32_t matchLength(uint32_t distance, uint32_t limit) const;

    // Enters the cursor in the chains, then follows the chain that it heads
    // for the longest match ACE can code that is longer than `longerThan`,
    // nearest first among equals.
    Found insertAndFind(int maxChain, uint32_t longerThan);
    // The long repeat, if the second table knows one for the cursor.
    Found findLong() const;
    // Enters the cursor in the chains without a search.
    void insert();

    // Tree mode: enters the cursor in its tree and writes the matches found
    // on the way to out, each longer than the one before (at most maxOut, the
    // longest kept), and returns their number. 0 when not searched.
    int insertAndFindAll(Found* out, int maxOut);
    // Tree mode: enters the cursor without keeping what it passes.
    void insertInTree();
    // Passes the cursor by without entering it in the tree: only the far
    // table sees it. The tree stays whole; it just lacks this string.
    void passOver() { insertLong(); }

    // Positions in the buffer, valid until the next append, for a parse
    // that looks back over bytes the cursor has passed.
    uint32_t cursor() const { return m_cursor; }
    uint8_t byteAtPosition(uint32_t pos) const { return m_buffer[pos]; }
    bool reachesFrom(uint32_t pos, uint32_t distance) const
    {
        return distance <= pos && distance <= m_maxDistance;
    }
    uint32_t matchLengthAt(uint32_t pos, uint32_t distance, uint32_t limit) const
    {
        const uint8_t* a = m_buffer.data() + pos;
        return extend(a, a - distance, 0, std::min(limit, m_end - pos));
    }
    void advance(uint32_t count) { m_cursor += count; }

private:
    // Bytes equal at a and b from `from` on, up to limit; both readable to
    // limit plus a word. Inline: the parse measures every repeat with it.
    static uint32_t extend(const uint8_t* a, const uint8_t* b, uint32_t from, uint32_t limit)
    {
        uint32_t len = from;
        while (len < limit) {
            uint64_t x;
            uint64_t y;
            std::memcpy(&x, a + len, sizeof x);
            std::memcpy(&y, b + len, sizeof y);
            if (x != y) {
                const uint64_t diff = x ^ y;
                const int bit = std::endian::native == std::endian::little ? std::countr_zero(diff) : std::countl_zero(diff);
                return std::min(limit, len + uint32_t(bit / 8));
            }
            len += 8;
        }
        return limit;
    }
    uint32_t hashAt(uint32_t pos) const;
    uint32_t longHashAt(uint32_t pos) const;
    int treeStep(Found* out, int maxOut);
    void insertLong();
    void prefetch() const;
    void slide();

    Settings m_settings;
    uint32_t m_window;
    uint32_t m_mask;
    uint32_t m_maxDistance;
    uint32_t m_treeMask;
    uint32_t m_treeReach; // the farthest a tree search looks back
    std::vector<uint8_t> m_buffer; // two windows and slack for wide compares
    std::vector<uint32_t> m_head;  // position + 1 of the latest string per hash; 0: none
    // Chains: the link to the previous string, per window slot. Trees: the
    // two children (lesser, greater) of each slot.
    std::vector<uint32_t> m_prev;
    std::vector<uint32_t> m_head3; // trees: the latest string per hash of three bytes
    std::vector<uint32_t> m_long;  // position + 1 of a recent long string per hash; 0: none
    uint32_t m_cursor = 0;
    uint32_t m_end = 0;
};
