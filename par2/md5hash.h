#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

struct evp_md_ctx_st;

using Md5Digest = std::array<uint8_t, 16>;

// An MD5 computed piece by piece. OpenSSL's: the fastest of Debian's MD5s
// here (hand-written x86-64 code), and its state can be copied, so a file's
// hash and the hash of its first slice share the bytes they have in common.
class Md5Hash
{
public:
    Md5Hash();
    Md5Hash(const Md5Hash& other);
    Md5Hash& operator=(const Md5Hash& other);
    ~Md5Hash();

    void add(const void* data, size_t bytes);
    void addZeros(uint64_t bytes);
    // The digest of what was added so far; adding may go on.
    Md5Digest digest() const;

    static Md5Digest of(const void* data, size_t bytes);

private:
    evp_md_ctx_st* m_context;
};
