#pragma once

#include "md5hash.h"
#include "setdescription.h"

#include <QByteArray>
#include <QIODevice>

#include <cstdint>
#include <vector>

// Finds the packets of a .par2 file, which may be damaged or made by any
// client: each packet is found by its magic, its length is checked against
// what the file holds and what its type allows, and it is taken only when
// the MD5 of its contents matches. Recovery slices are hashed as they go by
// and only their place is kept, so memory does not grow with them.
class PacketReader
{
public:
    struct Main
    {
        Md5Digest setId{};
        uint64_t sliceSize = 0;
        std::vector<Md5Digest> recoveryFileIds;
    };
    struct Description
    {
        Md5Digest setId{};
        DescribedFile file; // without slices
    };
    struct Checksums
    {
        Md5Digest setId{};
        Md5Digest fileId{};
        std::vector<SliceChecksum> slices;
    };
    struct Recovery
    {
        Md5Digest setId{};
        uint32_t exponent = 0;
        qint64 dataOffset = 0;
        qint64 dataBytes = 0;
    };
    struct Packets
    {
        std::vector<Main> mains;
        std::vector<Description> descriptions;
        std::vector<Checksums> checksums;
        std::vector<Recovery> recovery;
        std::vector<QByteArray> creators;
    };

    // Packets other than recovery slices are read whole up to this size.
    static constexpr qint64 MaxPacketBytes = qint64(16) << 20;

    static Packets read(QIODevice& device);
};
