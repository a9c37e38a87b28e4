// The 32-byte vector path: each 64-byte block holds 32 words, planar as one
// register of their low bytes and one of their high bytes (in the order the
// in-lane unpacks leave them).
#include "regionkernel.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#define ZAVOK_AVX2 __attribute__((target("avx2")))

namespace {

ZAVOK_AVX2 __m256i load(const uint8_t* p)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

ZAVOK_AVX2 void store(uint8_t* p, __m256i v)
{
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}

ZAVOK_AVX2 void toPlanar(uint8_t* dst, const uint8_t* src, size_t bytes)
{
    const __m256i split = _mm256_setr_epi8(0, 2, 4, 6, 8, 10, 12, 14, 1, 3, 5, 7, 9, 11, 13, 15,
                                           0, 2, 4, 6, 8, 10, 12, 14, 1, 3, 5, 7, 9, 11, 13, 15);
    for (size_t i = 0; i < bytes; i += RegionKernel::Block) {
        const __m256i a = _mm256_shuffle_epi8(load(src + i), split);
        const __m256i b = _mm256_shuffle_epi8(load(src + i + 32), split);
        store(dst + i, _mm256_unpacklo_epi64(a, b));
        store(dst + i + 32, _mm256_unpackhi_epi64(a, b));
    }
}

ZAVOK_AVX2 void fromPlanar(uint8_t* dst, const uint8_t* src, size_t bytes)
{
    const __m256i join = _mm256_setr_epi8(0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15,
                                          0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15);
    for (size_t i = 0; i < bytes; i += RegionKernel::Block) {
        const __m256i l = load(src + i);
        const __m256i h = load(src + i + 32);
        store(dst + i, _mm256_shuffle_epi8(_mm256_unpacklo_epi64(l, h), join));
        store(dst + i + 32, _mm256_shuffle_epi8(_mm256_unpackhi_epi64(l, h), join));
    }
}

ZAVOK_AVX2 void mulAdd(uint8_t* acc, const uint8_t* src, size_t bytes, uint16_t coefficient)
{
    if (coefficient == 0)
        return;
    if (coefficient == 1) {
        RegionKernel::add(acc, src, bytes);
        return;
    }
    alignas(16) uint8_t table[8][16];
    RegionKernel::nibbleTables(coefficient, table);
    __m256i t[8];
    for (int i = 0; i < 8; ++i)
        t[i] = _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(table[i])));
    const __m256i mask = _mm256_set1_epi8(0x0f);
    for (size_t i = 0; i < bytes; i += RegionKernel::Block) {
        const __m256i l = load(src + i);
        const __m256i h = load(src + i + 32);
        const __m256i n0 = _mm256_and_si256(l, mask);
        const __m256i n1 = _mm256_and_si256(_mm256_srli_epi16(l, 4), mask);
        const __m256i n2 = _mm256_and_si256(h, mask);
        const __m256i n3 = _mm256_and_si256(_mm256_srli_epi16(h, 4), mask);
        const __m256i low
            = _mm256_xor_si256(_mm256_xor_si256(_mm256_shuffle_epi8(t[0], n0), _mm256_shuffle_epi8(t[1], n1)),
                               _mm256_xor_si256(_mm256_shuffle_epi8(t[2], n2), _mm256_shuffle_epi8(t[3], n3)));
        const __m256i high
            = _mm256_xor_si256(_mm256_xor_si256(_mm256_shuffle_epi8(t[4], n0), _mm256_shuffle_epi8(t[5], n1)),
                               _mm256_xor_si256(_mm256_shuffle_epi8(t[6], n2), _mm256_shuffle_epi8(t[7], n3)));
        store(acc + i, _mm256_xor_si256(load(acc + i), low));
        store(acc + i + 32, _mm256_xor_si256(load(acc + i + 32), high));
    }
}

} // namespace

const RegionKernel regionKernelAvx2{RegionKernel::Isa::Avx2, "avx2", toPlanar, fromPlanar, mulAdd};

#endif
