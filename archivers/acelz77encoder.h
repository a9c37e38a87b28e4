#pragma once

#include "acebitwriter.h"
#include "acematchfinder.h"
#include "aceoptimalparser.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

// ACE 1.0's LZ77 method for one file: literals and matches, the matches
// either with a new distance or with one of the last four distances, coded in
// blocks that each start with their own two Huffman tables (one for
// literals, match kinds and distance sizes, one for match lengths).
//
// At -m1 and -m2 parsing is lazy: before a match is taken, the next byte is
// searched too, and a better match there turns the first byte into a
// literal. From -m3 on it is optimal (AceOptimalParser). The levels differ
// in dictionary and in the effort of the search.
class AceLz77Encoder {
public:
    struct Settings {
        AceMatchFinder::Settings finder;
        bool lazy = true;
        uint32_t maxLazy = 32;     // a match this long is taken without looking on
        uint32_t goodLength = 16;  // after a match this long, the lazy search walks a quarter of the chain
        // After this many searches in a row that found nothing, the data is
        // taken for incompressible and searched at wider and wider steps,
        // back to every byte at the next match. 0: always every byte.
        uint32_t missesBeforeSkipping = 32;
        // Parsed by cost over stretches of input, on the finder's trees.
        bool optimal = false;
        AceOptimalParser::Settings parser;
    };
    // The level's settings, with the window no larger than the file needs.
    static Settings forLevel(int level, uint64_t fileSize = ~0ull);

    explicit AceLz77Encoder(const Settings& settings);

    // Takes the file's next bytes; the packed words complete so far are
    // appended to out.
    void write(const char* data, std::size_t size, QByteArray& out);
    // Ends the block being collected here (blocks may end anywhere), so that
    // out holds all but the last partial word of what was parsed.
    void endBlock(QByteArray& out);
    // The file has ended: the rest is parsed and the last word written.
    void finish(QByteArray& out);

    // Source bytes turned into symbols so far.
    uint64_t bytesParsed() const { return m_parsed; }
    int dictionaryBits() const { return m_settings.finder.windowBits; }

    // Symbols of the main table: 256 literals, 4 repeated distances and one
    // per size of a new distance (0 to 22 bits, of which 20 are ever used).
    static constexpr int MainSymbols = 283;
    static constexpr int LengthSymbols = 256;
    static constexpr int MaxCodeBits = 11;
    static constexpr int MaxBlockSymbols = 32767; // the block size field has 15 bits
    static constexpr int MinWindowBits = 12;
    static constexpr uint32_t MaxSkip = 32;

private:
    struct Match {
        uint32_t length = 0;
        uint32_t distance = 0;
        int repeat = -1; // index into the last distances, or -1 for a new one
    };
    struct Symbol {
        uint16_t main;
        uint8_t length;
        uint8_t extraBits;
        uint32_t extra;
    };

    void parse(bool atEnd);
    void parseGreedy(bool atEnd);
    void parseOptimal(bool atEnd);
    bool skipUnsearched(uint32_t need);
    Match bestAt(int maxChain);
    int score(const Match& m) const;
    void literal(uint8_t byte);
    void match(const Match& m);
    void skip(uint32_t count);
    void flushBlock();

    Settings m_settings;
    AceMatchFinder m_finder;
    AceOptimalParser m_parser;
    AceBitWriter m_bits;
    std::vector<Symbol> m_block;
    AceOptimalParser::Repeats m_repeats{}; // distance - 1, the latest first
    Match m_pending;                     // the best match at the byte before the cursor
    bool m_havePending = false;
    uint32_t m_misses = 0; // searches in a row that found nothing
    uint64_t m_parsed = 0;
};
