#pragma once

#include <QByteArray>
#include <cstdint>

// Both archive formats lay out their headers as packed little-endian fields.
class LeBytes {
public:
    LeBytes& u8(uint8_t v);
    LeBytes& u16(uint16_t v);
    LeBytes& u32(uint32_t v);
    LeBytes& bytes(const QByteArray& b);
    LeBytes& zeros(int count);

    const QByteArray& data() const { return m_data; }
    int size() const { return int(m_data.size()); }

    static void putU16(QByteArray& target, int offset, uint16_t v);
    static void putU32(QByteArray& target, int offset, uint32_t v);

private:
    QByteArray m_data;
};
