#pragma once

#include "md5hash.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

// What the critical packets of a recovery set say: the slice size and, in
// the main packet's order, every file with its hashes and slice checksums.
// Input slices are numbered through the files in that order.
struct SliceChecksum
{
    Md5Digest md5{};
    uint32_t crc32 = 0;
    bool operator==(const SliceChecksum&) const = default;
};

struct DescribedFile
{
    Md5Digest id{};
    Md5Digest hash{};
    Md5Digest hash16k{};
    uint64_t length = 0;
    QByteArray name; // as stored: UTF-8, no padding
    std::vector<SliceChecksum> slices; // empty when no checksum packet was found

    uint64_t sliceCount(uint64_t sliceSize) const { return length / sliceSize + (length % sliceSize ? 1 : 0); }
};

struct SetDescription
{
    Md5Digest setId{};
    uint64_t sliceSize = 0;
    std::vector<DescribedFile> files;
};
