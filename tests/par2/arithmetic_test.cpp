// The arithmetic under recovery files, each against a plain reference:
// GF(2^16) against shift-and-add, every vector path against it byte for
// byte, and our MD5 against Qt's.
#include "par2/galois16.h"
#include "par2/md5hash.h"
#include "par2/recoverymatrix.h"
#include "par2/regionkernel.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

uint16_t referenceMultiply(uint16_t a, uint16_t b)
{
    uint32_t product = 0;
    uint32_t shifted = a;
    for (int bit = 0; bit < 16; ++bit) {
        if (b & (1u << bit))
            product ^= shifted;
        shifted <<= 1;
        if (shifted & 0x10000)
            shifted ^= 0x1100B;
    }
    return uint16_t(product);
}

} // namespace

TEST(Galois16, FieldOperationsAgreeWithThePlainReferenceOnRandomValues)
{
    std::mt19937 random(7);
    for (int i = 0; i < 200000; ++i) {
        const uint16_t a = uint16_t(random());
        const uint16_t b = uint16_t(random());
        ASSERT_EQ(Galois16::multiply(a, b), referenceMultiply(a, b)) << a << " * " << b;
        if (b != 0) {
            ASSERT_EQ(Galois16::multiply(Galois16::divide(a, b), b), a);
        }
    }
    EXPECT_EQ(Galois16::power(2, 16), uint16_t(0x100B)); // x^16 = x^12 + x^3 + x + 1
    EXPECT_EQ(Galois16::power(2, 65535), 1);
    // The constants skip logs sharing a factor with 65535 = 3 * 5 * 17 * 257.
    EXPECT_EQ(RecoveryMatrix::inputLogs(8), (std::vector<uint16_t>{1, 2, 4, 7, 8, 11, 13, 14}));
    EXPECT_EQ(RecoveryMatrix::inputLogs(40000).size(), 32768u);
}

TEST(RegionKernel, EveryPathGivesTheReferenceProductsByteForByte)
{
    std::mt19937 random(11);
    const size_t bytes = 64 * 257;
    std::vector<uint8_t> src(bytes);
    std::vector<uint8_t> start(bytes);
    for (auto& b : src)
        b = uint8_t(random());
    for (auto& b : start)
        b = uint8_t(random());
    std::vector<RegionKernel::Isa> tried;
    for (RegionKernel::Isa isa : {RegionKernel::Isa::Portable, RegionKernel::Isa::Ssse3, RegionKernel::Isa::Avx2}) {
        const RegionKernel* kernel = RegionKernel::of(isa);
        if (!kernel)
            continue;
        tried.push_back(isa);
        for (uint16_t coefficient : {uint16_t(0), uint16_t(1), uint16_t(2), uint16_t(0x8000), uint16_t(0xFFFF),
                                     uint16_t(random()), uint16_t(random())}) {
            std::vector<uint8_t> planarSrc(bytes);
            std::vector<uint8_t> acc(bytes);
            std::vector<uint8_t> out(bytes);
            kernel->toPlanar(planarSrc.data(), src.data(), bytes);
            kernel->toPlanar(acc.data(), start.data(), bytes);
            kernel->mulAdd(acc.data(), planarSrc.data(), bytes, coefficient);
            kernel->fromPlanar(out.data(), acc.data(), bytes);
            for (size_t i = 0; i < bytes; i += 2) {
                const uint16_t word = uint16_t(src[i] | src[i + 1] << 8);
                const uint16_t expected
                    = uint16_t(start[i] | start[i + 1] << 8) ^ referenceMultiply(word, coefficient);
                ASSERT_EQ(out[i] | out[i + 1] << 8, expected) << kernel->name << " coefficient " << coefficient << " at " << i;
            }
        }
    }
    EXPECT_EQ(RegionKernel::best().isa, tried.back());
}

TEST(Md5Hash, AgreesWithQtsMd5HashingAloneOrTwoStreamsTogether)
{
    std::mt19937 random(13);
    QByteArray data(300000, Qt::Uninitialized);
    for (char& c : data)
        c = char(random());
    const auto qt = [](QByteArrayView bytes) {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
    };
    const auto ours = [](const Md5Digest& d) {
        return QByteArray(reinterpret_cast<const char*>(d.data()), 16);
    };
    for (const qsizetype length : {0, 1, 55, 56, 63, 64, 65, 119, 120, 4096, 299999}) {
        // In uneven pieces, and as a prefix followed by a second stream that
        // shares the rest (both together only when aligned alike).
        Md5Hash whole;
        for (qsizetype at = 0; at < length; at += 37)
            whole.add(data.constData() + at, size_t(std::min<qsizetype>(37, length - at)));
        ASSERT_EQ(ours(whole.digest()), qt(data.first(length))) << length;
        for (const qsizetype split : {qsizetype(0), qsizetype(64), qsizetype(100)}) {
            if (split > length)
                continue;
            Md5Hash file;
            file.add(data.constData(), size_t(split));
            Md5Hash slice;
            Md5Hash::addToBoth(file, slice, data.constData() + split, size_t(length - split));
            ASSERT_EQ(ours(file.digest()), qt(data.first(length))) << length << " from " << split;
            ASSERT_EQ(ours(slice.digest()), qt(data.sliced(split, length - split))) << length << " from " << split;
        }
    }
}
