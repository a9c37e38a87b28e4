#pragma once

#include <cstdint>
#include <vector>

// Code lengths of a Huffman code whose longest code has at most maxBits bits
// (the package-merge method, which gives the best such code). Symbols of
// frequency 0 get length 0. With a single used symbol that symbol gets
// length 1; callers that need two codes add a second symbol themselves.
class HuffmanLengths {
public:
    static std::vector<uint8_t> limited(const std::vector<uint32_t>& frequencies, int maxBits);
};
