#include "galois16.h"

struct Galois16::Tables
{
    uint16_t log[65536];
    uint16_t exp[2 * 65535];

    Tables()
    {
        uint32_t value = 1;
        for (uint32_t i = 0; i < Order; ++i) {
            exp[i] = uint16_t(value);
            exp[i + Order] = uint16_t(value);
            log[value] = uint16_t(i);
            value <<= 1;
            if (value & 0x10000)
                value ^= Polynomial;
        }
        log[0] = 0;
    }
};

const Galois16::Tables& Galois16::tables()
{
    static const Tables instance;
    return instance;
}

uint16_t Galois16::multiply(uint16_t a, uint16_t b)
{
    if (a == 0 || b == 0)
        return 0;
    const Tables& t = tables();
    return t.exp[uint32_t(t.log[a]) + t.log[b]];
}

uint16_t Galois16::divide(uint16_t a, uint16_t b)
{
    if (a == 0)
        return 0;
    const Tables& t = tables();
    return t.exp[uint32_t(t.log[a]) + Order - t.log[b]];
}

uint16_t Galois16::inverse(uint16_t a)
{
    return divide(1, a);
}

uint16_t Galois16::power(uint16_t a, uint32_t exponent)
{
    if (exponent == 0)
        return 1;
    if (a == 0)
        return 0;
    const Tables& t = tables();
    return t.exp[uint32_t((uint64_t(t.log[a]) * exponent) % Order)];
}

uint16_t Galois16::log(uint16_t a)
{
    return tables().log[a];
}

uint16_t Galois16::exp(uint32_t logarithm)
{
    return tables().exp[logarithm % Order];
}
