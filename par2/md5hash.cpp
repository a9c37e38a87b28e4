#include "md5hash.h"

#include <algorithm>
#include <cstring>

namespace {

inline uint32_t rotl(uint32_t v, int s)
{
    return (v << s) | (v >> (32 - s));
}

inline uint32_t F(uint32_t x, uint32_t y, uint32_t z)
{
    return z ^ (x & (y ^ z));
}
inline uint32_t G(uint32_t x, uint32_t y, uint32_t z)
{
    return y ^ (z & (x ^ y));
}
inline uint32_t H(uint32_t x, uint32_t y, uint32_t z)
{
    return x ^ y ^ z;
}
inline uint32_t I(uint32_t x, uint32_t y, uint32_t z)
{
    return y ^ (x | ~z);
}

inline void words(uint32_t* m, const uint8_t* p)
{
    for (int i = 0; i < 16; ++i)
        m[i] = uint32_t(p[4 * i]) | uint32_t(p[4 * i + 1]) << 8 | uint32_t(p[4 * i + 2]) << 16
               | uint32_t(p[4 * i + 3]) << 24;
}

// The 64 steps: round function, the four registers in their turn, message
// word, rotation and constant.
#define MD5_STEPS(STEP) \
    STEP(F, a, b, c, d, 0, 7, 0xd76aa478) \
    STEP(F, d, a, b, c, 1, 12, 0xe8c7b756) \
    STEP(F, c, d, a, b, 2, 17, 0x242070db) \
    STEP(F, b, c, d, a, 3, 22, 0xc1bdceee) \
    STEP(F, a, b, c, d, 4, 7, 0xf57c0faf) \
    STEP(F, d, a, b, c, 5, 12, 0x4787c62a) \
    STEP(F, c, d, a, b, 6, 17, 0xa8304613) \
    STEP(F, b, c, d, a, 7, 22, 0xfd469501) \
    STEP(F, a, b, c, d, 8, 7, 0x698098d8) \
    STEP(F, d, a, b, c, 9, 12, 0x8b44f7af) \
    STEP(F, c, d, a, b, 10, 17, 0xffff5bb1) \
    STEP(F, b, c, d, a, 11, 22, 0x895cd7be) \
    STEP(F, a, b, c, d, 12, 7, 0x6b901122) \
    STEP(F, d, a, b, c, 13, 12, 0xfd987193) \
    STEP(F, c, d, a, b, 14, 17, 0xa679438e) \
    STEP(F, b, c, d, a, 15, 22, 0x49b40821) \
    STEP(G, a, b, c, d, 1, 5, 0xf61e2562) \
    STEP(G, d, a, b, c, 6, 9, 0xc040b340) \
    STEP(G, c, d, a, b, 11, 14, 0x265e5a51) \
    STEP(G, b, c, d, a, 0, 20, 0xe9b6c7aa) \
    STEP(G, a, b, c, d, 5, 5, 0xd62f105d) \
    STEP(G, d, a, b, c, 10, 9, 0x02441453) \
    STEP(G, c, d, a, b, 15, 14, 0xd8a1e681) \
    STEP(G, b, c, d, a, 4, 20, 0xe7d3fbc8) \
    STEP(G, a, b, c, d, 9, 5, 0x21e1cde6) \
    STEP(G, d, a, b, c, 14, 9, 0xc33707d6) \
    STEP(G, c, d, a, b, 3, 14, 0xf4d50d87) \
    STEP(G, b, c, d, a, 8, 20, 0x455a14ed) \
    STEP(G, a, b, c, d, 13, 5, 0xa9e3e905) \
    STEP(G, d, a, b, c, 2, 9, 0xfcefa3f8) \
    STEP(G, c, d, a, b, 7, 14, 0x676f02d9) \
    STEP(G, b, c, d, a, 12, 20, 0x8d2a4c8a) \
    STEP(H, a, b, c, d, 5, 4, 0xfffa3942) \
    STEP(H, d, a, b, c, 8, 11, 0x8771f681) \
    STEP(H, c, d, a, b, 11, 16, 0x6d9d6122) \
    STEP(H, b, c, d, a, 14, 23, 0xfde5380c) \
    STEP(H, a, b, c, d, 1, 4, 0xa4beea44) \
    STEP(H, d, a, b, c, 4, 11, 0x4bdecfa9) \
    STEP(H, c, d, a, b, 7, 16, 0xf6bb4b60) \
    STEP(H, b, c, d, a, 10, 23, 0xbebfbc70) \
    STEP(H, a, b, c, d, 13, 4, 0x289b7ec6) \
    STEP(H, d, a, b, c, 0, 11, 0xeaa127fa) \
    STEP(H, c, d, a, b, 3, 16, 0xd4ef3085) \
    STEP(H, b, c, d, a, 6, 23, 0x04881d05) \
    STEP(H, a, b, c, d, 9, 4, 0xd9d4d039) \
    STEP(H, d, a, b, c, 12, 11, 0xe6db99e5) \
    STEP(H, c, d, a, b, 15, 16, 0x1fa27cf8) \
    STEP(H, b, c, d, a, 2, 23, 0xc4ac5665) \
    STEP(I, a, b, c, d, 0, 6, 0xf4292244) \
    STEP(I, d, a, b, c, 7, 10, 0x432aff97) \
    STEP(I, c, d, a, b, 14, 15, 0xab9423a7) \
    STEP(I, b, c, d, a, 5, 21, 0xfc93a039) \
    STEP(I, a, b, c, d, 12, 6, 0x655b59c3) \
    STEP(I, d, a, b, c, 3, 10, 0x8f0ccc92) \
    STEP(I, c, d, a, b, 10, 15, 0xffeff47d) \
    STEP(I, b, c, d, a, 1, 21, 0x85845dd1) \
    STEP(I, a, b, c, d, 8, 6, 0x6fa87e4f) \
    STEP(I, d, a, b, c, 15, 10, 0xfe2ce6e0) \
    STEP(I, c, d, a, b, 6, 15, 0xa3014314) \
    STEP(I, b, c, d, a, 13, 21, 0x4e0811a1) \
    STEP(I, a, b, c, d, 4, 6, 0xf7537e82) \
    STEP(I, d, a, b, c, 11, 10, 0xbd3af235) \
    STEP(I, c, d, a, b, 2, 15, 0x2ad7d2bb) \
    STEP(I, b, c, d, a, 9, 21, 0xeb86d391)

void compress(uint32_t* state, const uint8_t* block)
{
    uint32_t m[16];
    words(m, block);
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
#define STEP(f, a, b, c, d, g, s, k) a = rotl(a + f(b, c, d) + m[g] + k, s) + b;
    MD5_STEPS(STEP)
#undef STEP
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

// Two states over one block, step by step side by side: the two chains do
// not depend on each other, so their instructions overlap.
void compressBoth(uint32_t* first, uint32_t* second, const uint8_t* block)
{
    uint32_t m[16];
    words(m, block);
    uint32_t a = first[0], b = first[1], c = first[2], d = first[3];
    uint32_t a2 = second[0], b2 = second[1], c2 = second[2], d2 = second[3];
#define STEP(f, a, b, c, d, g, s, k)                                                                                  \
    a = rotl(a + f(b, c, d) + m[g] + k, s) + b;                                                                        \
    a##2 = rotl(a##2 + f(b##2, c##2, d##2) + m[g] + k, s) + b##2;
    MD5_STEPS(STEP)
#undef STEP
    first[0] += a;
    first[1] += b;
    first[2] += c;
    first[3] += d;
    second[0] += a2;
    second[1] += b2;
    second[2] += c2;
    second[3] += d2;
}

} // namespace

void Md5Hash::add(const void* data, size_t bytes)
{
    const auto* p = static_cast<const uint8_t*>(data);
    size_t fill = size_t(m_length % 64);
    m_length += bytes;
    if (fill) {
        const size_t take = std::min(bytes, 64 - fill);
        std::memcpy(m_buffer + fill, p, take);
        p += take;
        bytes -= take;
        if (fill + take < 64)
            return;
        compress(m_state, m_buffer);
    }
    for (; bytes >= 64; p += 64, bytes -= 64)
        compress(m_state, p);
    if (bytes)
        std::memcpy(m_buffer, p, bytes);
}

void Md5Hash::addToBoth(Md5Hash& first, Md5Hash& second, const void* data, size_t bytes)
{
    const size_t fill = size_t(first.m_length % 64);
    if (fill != size_t(second.m_length % 64)) {
        first.add(data, bytes);
        second.add(data, bytes);
        return;
    }
    const auto* p = static_cast<const uint8_t*>(data);
    // Up to the next block boundary each on its own; then whole blocks together.
    const size_t head = fill ? std::min(bytes, 64 - fill) : 0;
    first.add(p, head);
    second.add(p, head);
    p += head;
    bytes -= head;
    const size_t whole = bytes / 64 * 64;
    for (size_t i = 0; i < whole; i += 64)
        compressBoth(first.m_state, second.m_state, p + i);
    first.m_length += whole;
    second.m_length += whole;
    first.add(p + whole, bytes - whole);
    second.add(p + whole, bytes - whole);
}

void Md5Hash::addZeros(uint64_t bytes)
{
    static const uint8_t zeros[4096] = {};
    while (bytes > 0) {
        const size_t n = size_t(std::min<uint64_t>(bytes, sizeof zeros));
        add(zeros, n);
        bytes -= n;
    }
}

Md5Digest Md5Hash::digest() const
{
    Md5Hash last(*this);
    const uint64_t bits = m_length * 8;
    static const uint8_t pad[64] = {0x80};
    last.add(pad, size_t(1 + (119 - m_length % 64) % 64));
    uint8_t length[8];
    for (int i = 0; i < 8; ++i)
        length[i] = uint8_t(bits >> (8 * i));
    last.add(length, 8);
    Md5Digest result;
    for (int i = 0; i < 16; ++i)
        result[size_t(i)] = uint8_t(last.m_state[i / 4] >> (8 * (i % 4)));
    return result;
}

Md5Digest Md5Hash::of(const void* data, size_t bytes)
{
    Md5Hash hash;
    hash.add(data, bytes);
    return hash.digest();
}
