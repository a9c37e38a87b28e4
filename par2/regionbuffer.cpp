#include "regionbuffer.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

constexpr size_t HugePage = size_t(2) << 20;

} // namespace

RegionBuffer::RegionBuffer(size_t bytes)
    : m_size(bytes)
{
    if (bytes == 0)
        return;
    const size_t align = bytes >= HugePage ? HugePage : 64;
    const size_t allocated = (bytes + align - 1) / align * align;
    m_data = static_cast<uint8_t*>(std::aligned_alloc(align, allocated));
    if (!m_data)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    if (align == HugePage)
        madvise(m_data, allocated, MADV_HUGEPAGE);
#endif
    std::memset(m_data, 0, bytes);
}

RegionBuffer::RegionBuffer(RegionBuffer&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr))
    , m_size(std::exchange(other.m_size, 0))
{
}

RegionBuffer& RegionBuffer::operator=(RegionBuffer&& other) noexcept
{
    std::swap(m_data, other.m_data);
    std::swap(m_size, other.m_size);
    return *this;
}

RegionBuffer::~RegionBuffer()
{
    std::free(m_data);
}
