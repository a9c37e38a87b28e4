#include "crc32.h"

#include <zlib.h>

#include <algorithm>

void Crc32::update(const char* data, std::size_t size)
{
    // zlib takes a uInt length; feed very large buffers in slices.
    while (size > 0) {
        const auto slice = std::min<std::size_t>(size, 1u << 30);
        m_value = uint32_t(crc32(m_value, reinterpret_cast<const Bytef*>(data), uInt(slice)));
        data += slice;
        size -= slice;
    }
}

uint32_t Crc32::of(const QByteArray& bytes)
{
    Crc32 crc;
    crc.update(bytes);
    return crc.value();
}

uint32_t Crc32::combine(uint32_t a, uint32_t b, uint64_t lengthOfB)
{
    return uint32_t(crc32_combine(a, b, z_off_t(lengthOfB)));
}
