#include "regionkernel.h"

#include "galois16.h"

#include <cstring>
#include <initializer_list>

namespace {

void copyRegion(uint8_t* dst, const uint8_t* src, size_t bytes)
{
    std::memmove(dst, src, bytes);
}

// Two 256-entry tables per coefficient: a word's product is the XOR of its
// low and high byte's products.
void mulAddPortable(uint8_t* acc, const uint8_t* src, size_t bytes, uint16_t coefficient)
{
    if (coefficient == 0)
        return;
    if (coefficient == 1) {
        RegionKernel::add(acc, src, bytes);
        return;
    }
    uint16_t low[256];
    uint16_t high[256];
    low[0] = high[0] = 0;
    for (int bit = 0; bit < 8; ++bit) {
        const uint16_t l = Galois16::multiply(coefficient, uint16_t(1u << bit));
        const uint16_t h = Galois16::multiply(coefficient, uint16_t(1u << (bit + 8)));
        const int start = 1 << bit;
        for (int v = 0; v < start; ++v) {
            low[start + v] = low[v] ^ l;
            high[start + v] = high[v] ^ h;
        }
    }
    for (size_t i = 0; i + 1 < bytes; i += 2) {
        const uint16_t product = low[src[i]] ^ high[src[i + 1]];
        acc[i] ^= uint8_t(product);
        acc[i + 1] ^= uint8_t(product >> 8);
    }
}

const RegionKernel portable{RegionKernel::Isa::Portable, "portable", copyRegion, copyRegion, mulAddPortable};

} // namespace

void RegionKernel::add(uint8_t* acc, const uint8_t* src, size_t bytes)
{
    size_t i = 0;
    for (; i + 8 <= bytes; i += 8) {
        uint64_t a;
        uint64_t s;
        std::memcpy(&a, acc + i, 8);
        std::memcpy(&s, src + i, 8);
        a ^= s;
        std::memcpy(acc + i, &a, 8);
    }
    for (; i < bytes; ++i)
        acc[i] ^= src[i];
}

void RegionKernel::nibbleTables(uint16_t coefficient, uint8_t table[8][16])
{
    for (int position = 0; position < 4; ++position) {
        uint16_t products[16];
        products[0] = 0;
        for (int bit = 0; bit < 4; ++bit) {
            const uint16_t p = Galois16::multiply(coefficient, uint16_t(1u << (4 * position + bit)));
            const int start = 1 << bit;
            for (int v = 0; v < start; ++v)
                products[start + v] = products[v] ^ p;
        }
        for (int v = 0; v < 16; ++v) {
            table[position][v] = uint8_t(products[v]);
            table[position + 4][v] = uint8_t(products[v] >> 8);
        }
    }
}

const RegionKernel* RegionKernel::of(Isa isa)
{
    switch (isa) {
    case Isa::Portable:
        return &portable;
    case Isa::Ssse3:
#if defined(__x86_64__) || defined(__i386__)
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3") ? &regionKernelSsse3 : nullptr;
#else
        return nullptr;
#endif
    case Isa::Avx2:
#if defined(__x86_64__) || defined(__i386__)
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") ? &regionKernelAvx2 : nullptr;
#else
        return nullptr;
#endif
    }
    return nullptr;
}

const RegionKernel& RegionKernel::best()
{
    static const RegionKernel* chosen = [] {
        for (Isa isa : {Isa::Avx2, Isa::Ssse3})
            if (const RegionKernel* k = of(isa))
                return k;
        return &portable;
    }();
    return *chosen;
}
