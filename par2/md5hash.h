#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

using Md5Digest = std::array<uint8_t, 16>;

// MD5 (RFC 1321), computed piece by piece. Our own rather than a library's:
// recovery files need two hashes over the same bytes, a file's and its
// slice's, and when both stand at the same place in their 64-byte blocks
// (slice sizes are multiples of 64) addToBoth runs the two independent
// computations interleaved, which a processor does in about the time of
// one. Debian's MD5s (OpenSSL, nettle, Qt) take one stream at a time and are
// no faster on one stream. The tests check it against Qt's.
class Md5Hash
{
public:
    void add(const void* data, size_t bytes);
    void addZeros(uint64_t bytes);
    // The digest of what was added so far; adding may go on.
    Md5Digest digest() const;

    static Md5Digest of(const void* data, size_t bytes);
    static void addToBoth(Md5Hash& first, Md5Hash& second, const void* data, size_t bytes);

private:
    uint32_t m_state[4] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
    uint8_t m_buffer[64] = {};
    uint64_t m_length = 0;
};
