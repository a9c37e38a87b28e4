#include "md5hash.h"

#include <openssl/evp.h>

#include <algorithm>
#include <new>

Md5Hash::Md5Hash()
    : m_context(EVP_MD_CTX_new())
{
    if (!m_context || EVP_DigestInit_ex(m_context, EVP_md5(), nullptr) != 1)
        throw std::bad_alloc();
}

Md5Hash::Md5Hash(const Md5Hash& other)
    : m_context(EVP_MD_CTX_new())
{
    if (!m_context || EVP_MD_CTX_copy_ex(m_context, other.m_context) != 1)
        throw std::bad_alloc();
}

Md5Hash& Md5Hash::operator=(const Md5Hash& other)
{
    if (this != &other && EVP_MD_CTX_copy_ex(m_context, other.m_context) != 1)
        throw std::bad_alloc();
    return *this;
}

Md5Hash::~Md5Hash()
{
    EVP_MD_CTX_free(m_context);
}

void Md5Hash::add(const void* data, size_t bytes)
{
    if (bytes > 0)
        EVP_DigestUpdate(m_context, data, bytes);
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
    Md5Hash copy(*this);
    Md5Digest result{};
    unsigned int length = 0;
    EVP_DigestFinal_ex(copy.m_context, result.data(), &length);
    return result;
}

Md5Digest Md5Hash::of(const void* data, size_t bytes)
{
    Md5Hash hash;
    hash.add(data, bytes);
    return hash.digest();
}
