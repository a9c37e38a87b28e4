#pragma once

#include "acematchfinder.h"

#include <array>
#include <cstdint>
#include <vector>

// Chooses literals and matches for a stretch of ACE's LZ77 input by their
// cost in bits rather than by length: every match the binary trees find at
// every position, and every length of it, is weighed with the repeated
// distances that the path so far leaves, and the cheapest path through the
// stretch wins. The cost of each symbol is taken from the codes the previous
// stretch would have had; with more than one pass, from the stretch's own
// previous path.
class AceOptimalParser {
public:
    struct Settings {
        int passes = 1;
        uint32_t niceLength = 64; // a match this long is taken whole, and the bytes it covers unsearched
        uint32_t chunkBytes = 32768;
        // A nice match ends the stretch: it is taken as found, and the bytes
        // it covers pass the finder unentered, so that long repeats and runs
        // cost little more than their copying.
        bool cutAtNice = false;
    };
    // A literal (length 0) or a match at a new distance (repeat -1) or at
    // one of the last four.
    struct Step {
        uint32_t length = 0;
        uint32_t distance = 0;
        int repeat = -1;
    };
    using Repeats = std::array<uint32_t, 4>; // distance - 1, the latest first

    static constexpr int MaxMatchesPerPosition = 16;
    static constexpr uint32_t MissesBeforeSkipping = 32;
    static constexpr uint32_t MaxSkip = 32;
    static constexpr uint32_t MaxMatchAnywhere = 257; // the longest coded at every distance

    AceOptimalParser(AceMatchFinder& finder, const Settings& settings);

    // Searches the `count` bytes at the finder's cursor (or, cut at a nice
    // match, the bytes up to its end, which may lie a little beyond), moves
    // the cursor past them and returns the cheapest steps that cover them,
    // starting from the repeats given. Each literal's byte is at its position in
    // the finder, which stays until the next append.
    const std::vector<Step>& parse(uint32_t count, const Repeats& repeats);
    // Where the bytes of the last parse start in the finder.
    uint32_t start() const { return m_start; }

    // The repeats after a match; the encoder and the parse move them alike.
    static void afterMatch(Repeats& repeats, const Step& step);

private:
    struct Node {
        uint32_t cost;
        uint32_t length; // of the step that arrives here; 0: a literal
        uint32_t distance;
        int repeat;
        Repeats repeats; // as they stand after the step
    };

    uint32_t collect(uint32_t count);
    void takeNice(const Repeats& repeats);
    void choose(uint32_t count, const Repeats& repeats);
    void reprice();

    AceMatchFinder& m_finder;
    Settings m_settings;
    uint32_t m_start = 0;
    std::vector<AceMatchFinder::Found> m_matches;
    std::vector<uint32_t> m_firstMatch; // per position, into m_matches; one more at the end
    std::vector<uint8_t> m_searched;    // per position: 0 inside a match taken whole
    std::vector<Node> m_nodes;
    std::vector<Step> m_steps;
    // Costs in sixteenths of a bit.
    std::vector<uint32_t> m_mainCost;
    std::vector<uint32_t> m_lengthCost;
    bool m_priced = false;
    uint32_t m_misses = 0;  // searches in a row that found nothing
    uint32_t m_skipped = 0; // bytes passed unsearched since the last search
    AceMatchFinder::Found m_nice; // the match that cut the stretch; length 0: none
};
