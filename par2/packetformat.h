#pragma once

#include "md5hash.h"
#include "setdescription.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

// The byte layout of PAR2 2.0 packets. Every packet is a 64-byte header
// (magic, length, MD5 of the rest from the set ID on, set ID, type) and a
// body whose length is a multiple of 4; numbers are little-endian.
class PacketFormat
{
public:
    using Type = std::array<uint8_t, 16>;
    static constexpr int HeaderSize = 64;
    static constexpr int RecoveryHeaderSize = HeaderSize + 4; // and the exponent
    static constexpr uint32_t MaxInputSlices = 32768;         // constants the field offers
    static const uint8_t Magic[8];
    static const Type Main;
    static const Type FileDescription;
    static const Type SliceChecksums;
    static const Type RecoverySlice;
    static const Type Creator;

    // A whole packet: header and body.
    static QByteArray packet(const Md5Digest& setId, const Type& type, const QByteArray& body);
    // The header and exponent of a recovery slice packet, whose MD5 the
    // caller computed with recoveryHash and the slice's bytes.
    static QByteArray recoveryHeader(const Md5Digest& setId, uint32_t exponent, uint64_t sliceSize,
                                     const Md5Digest& packetHash);
    // The MD5 of a recovery slice packet up to its data.
    static Md5Hash recoveryHash(const Md5Digest& setId, uint32_t exponent);

    static QByteArray mainBody(uint64_t sliceSize, const std::vector<Md5Digest>& recoveryFileIds);
    static QByteArray fileDescriptionBody(const DescribedFile& file);
    static QByteArray sliceChecksumBody(const DescribedFile& file);
    static QByteArray creatorBody(const QByteArray& text);
    static qint64 fileDescriptionSize(const QByteArray& name);
    static qint64 sliceChecksumSize(uint64_t slices);

    static Md5Digest fileId(const Md5Digest& hash16k, uint64_t length, const QByteArray& name);
    // The order of files in the main packet: IDs compared as little-endian
    // 128-bit numbers, as the common clients sort them.
    static bool idLess(const Md5Digest& a, const Md5Digest& b);

    static void putU32(QByteArray& out, uint32_t v);
    static void putU64(QByteArray& out, uint64_t v);
    static uint32_t u32(const uint8_t* p);
    static uint64_t u64(const uint8_t* p);
};
