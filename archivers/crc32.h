#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// A running CRC-32 (the zip/RAR polynomial). ACE keeps the same register but
// never applies the final inversion, so both formats are served from here.
class Crc32 {
public:
    void update(const char* data, std::size_t size);
    void update(const QByteArray& bytes) { update(bytes.constData(), std::size_t(bytes.size())); }

    uint32_t value() const { return m_value; }
    uint32_t aceValue() const { return ~m_value; }

    static uint32_t of(const QByteArray& bytes);
    // The CRC of a followed by b, from the CRCs of both and b's length.
    static uint32_t combine(uint32_t a, uint32_t b, uint64_t lengthOfB);
    static uint32_t aceOf(const QByteArray& bytes) { return ~of(bytes); }
    // Block headers of both formats carry only the low half of a CRC.
    static uint16_t rarHeaderCrc(const QByteArray& bytes) { return uint16_t(of(bytes)); }
    static uint16_t aceHeaderCrc(const QByteArray& bytes) { return uint16_t(aceOf(bytes)); }

private:
    uint32_t m_value = 0;
};
