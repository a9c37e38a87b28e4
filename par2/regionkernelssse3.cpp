// The 16-byte vector path: each 64-byte block holds 32 words, planar as
// [low bytes of words 0-15][low 16-31][high 0-15][high 16-31].
#include "regionkernel.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#define ZAVOK_SSSE3 __attribute__((target("ssse3")))

namespace {

ZAVOK_SSSE3 void toPlanar(uint8_t* dst, const uint8_t* src, size_t bytes)
{
    const __m128i split = _mm_setr_epi8(0, 2, 4, 6, 8, 10, 12, 14, 1, 3, 5, 7, 9, 11, 13, 15);
    for (size_t i = 0; i < bytes; i += RegionKernel::Block) {
        const __m128i a0 = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i)), split);
        const __m128i a1 = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 16)), split);
        const __m128i a2 = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 32)), split);
        const __m128i a3 = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 48)), split);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_unpacklo_epi64(a0, a1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 16), _mm_unpacklo_epi64(a2, a3));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 32), _mm_unpackhi_epi64(a0, a1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 48), _mm_unpackhi_epi64(a2, a3));
    }
}

ZAVOK_SSSE3 void fromPlanar(uint8_t* dst, const uint8_t* src, size_t bytes)
{
    const __m128i join = _mm_setr_epi8(0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15);
    for (size_t i = 0; i < bytes; i += RegionKernel::Block) {
        const __m128i l0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i l1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 16));
        const __m128i h0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 32));
        const __m128i h1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 48));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_shuffle_epi8(_mm_unpacklo_epi64(l0, h0), join));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 16), _mm_shuffle_epi8(_mm_unpackhi_epi64(l0, h0), join));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 32), _mm_shuffle_epi8(_mm_unpacklo_epi64(l1, h1), join));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 48), _mm_shuffle_epi8(_mm_unpackhi_epi64(l1, h1), join));
    }
}

ZAVOK_SSSE3 void mulAdd(uint8_t* acc, const uint8_t* src, size_t bytes, uint16_t coefficient)
{
    if (coefficient == 0)
        return;
    if (coefficient == 1) {
        RegionKernel::add(acc, src, bytes);
        return;
    }
    alignas(16) uint8_t table[8][16];
    RegionKernel::nibbleTables(coefficient, table);
    __m128i t[8];
    for (int i = 0; i < 8; ++i)
        t[i] = _mm_load_si128(reinterpret_cast<const __m128i*>(table[i]));
    const __m128i mask = _mm_set1_epi8(0x0f);
    for (size_t i = 0; i < bytes; i += RegionKernel::Block) {
        for (size_t half = 0; half < 32; half += 16) {
            const __m128i l = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + half));
            const __m128i h = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 32 + half));
            const __m128i n0 = _mm_and_si128(l, mask);
            const __m128i n1 = _mm_and_si128(_mm_srli_epi16(l, 4), mask);
            const __m128i n2 = _mm_and_si128(h, mask);
            const __m128i n3 = _mm_and_si128(_mm_srli_epi16(h, 4), mask);
            const __m128i low = _mm_xor_si128(_mm_xor_si128(_mm_shuffle_epi8(t[0], n0), _mm_shuffle_epi8(t[1], n1)),
                                              _mm_xor_si128(_mm_shuffle_epi8(t[2], n2), _mm_shuffle_epi8(t[3], n3)));
            const __m128i high = _mm_xor_si128(_mm_xor_si128(_mm_shuffle_epi8(t[4], n0), _mm_shuffle_epi8(t[5], n1)),
                                               _mm_xor_si128(_mm_shuffle_epi8(t[6], n2), _mm_shuffle_epi8(t[7], n3)));
            __m128i* al = reinterpret_cast<__m128i*>(acc + i + half);
            __m128i* ah = reinterpret_cast<__m128i*>(acc + i + 32 + half);
            _mm_storeu_si128(al, _mm_xor_si128(_mm_loadu_si128(al), low));
            _mm_storeu_si128(ah, _mm_xor_si128(_mm_loadu_si128(ah), high));
        }
    }
}

} // namespace

const RegionKernel regionKernelSsse3{RegionKernel::Isa::Ssse3, "ssse3", toPlanar, fromPlanar, mulAdd};

#endif
