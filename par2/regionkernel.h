#pragma once

#include <cstddef>
#include <cstdint>

// Multiply-accumulate of whole regions in GF(2^16): acc ^= coefficient * src,
// word by word, the inner loop of every Reed-Solomon encode and repair.
//
// The vector paths look up each 4-bit nibble of a word in 16-entry tables
// (a byte shuffle), which needs the low and the high bytes of the words in
// separate registers. Regions are therefore turned into a "planar" layout
// once (toPlanar), every multiply-accumulate works on that layout, and the
// results are turned back (fromPlanar). Each path has its own layout, so a
// region must go in and out through the same kernel. Lengths are multiples of
// Block; the portable path's layout is the plain one.
class RegionKernel
{
public:
    enum class Isa { Portable, Ssse3, Avx2 };
    static constexpr size_t Block = 64;

    // The fastest kernel this processor runs.
    static const RegionKernel& best();
    // The kernel of one instruction set, or nullptr when the processor lacks it.
    static const RegionKernel* of(Isa isa);

    Isa isa;
    const char* name;
    void (*toPlanar)(uint8_t* dst, const uint8_t* src, size_t bytes);
    void (*fromPlanar)(uint8_t* dst, const uint8_t* src, size_t bytes);
    void (*mulAdd)(uint8_t* acc, const uint8_t* src, size_t bytes, uint16_t coefficient);

    // acc ^= src: the same in every layout.
    static void add(uint8_t* acc, const uint8_t* src, size_t bytes);
    // The products of the coefficient with each nibble value at each of the
    // four nibble positions, split into low and high bytes: table[0..3] low
    // bytes, table[4..7] high bytes.
    static void nibbleTables(uint16_t coefficient, uint8_t table[8][16]);
};

// The vector paths, defined in their own files.
extern const RegionKernel regionKernelSsse3;
extern const RegionKernel regionKernelAvx2;
