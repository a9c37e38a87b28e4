#include "lebytes.h"

LeBytes& LeBytes::u8(uint8_t v)
{
    m_data.append(char(v));
    return *this;
}

LeBytes& LeBytes::u16(uint16_t v)
{
    return u8(uint8_t(v)).u8(uint8_t(v >> 8));
}

LeBytes& LeBytes::u32(uint32_t v)
{
    return u16(uint16_t(v)).u16(uint16_t(v >> 16));
}

LeBytes& LeBytes::bytes(const QByteArray& b)
{
    m_data.append(b);
    return *this;
}

LeBytes& LeBytes::zeros(int count)
{
    m_data.append(QByteArray(count, '\0'));
    return *this;
}

void LeBytes::putU16(QByteArray& target, int offset, uint16_t v)
{
    target[offset] = char(v);
    target[offset + 1] = char(v >> 8);
}

void LeBytes::putU32(QByteArray& target, int offset, uint32_t v)
{
    putU16(target, offset, uint16_t(v));
    putU16(target, offset + 2, uint16_t(v >> 16));
}
