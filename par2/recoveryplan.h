#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// How a recovery set over given files is cut: the slice size, the number of
// recovery slices, and which recovery files hold them.
//
// The largest file is cut into slicesPerLargestFile slices, so no file has
// more. The slice size is rounded up to a multiple of 64 (the format asks
// for 4): a file's hash and its slice's hash then stand at the same place in
// their MD5 blocks and are computed together. N lost files are then
// at most N x that many lost slices, and that many recovery slices rebuild
// them, whichever files they are. With two slices per file a recovery slice
// is about half the largest file, so one slice with its header and a copy of
// the index packets fits in a recovery file no larger than the largest
// input file; more slices per file would mean fewer recovery files but
// proportionally more work and memory.
struct RecoveryPlan
{
    struct Volume
    {
        uint32_t firstExponent = 0;
        uint32_t count = 0;
        QString name;
        qint64 size = 0;
    };

    uint64_t sliceSize = 0;
    uint32_t slicesPerFile = 0;  // the most any file has
    uint32_t inputSlices = 0;
    uint32_t recoverySlices = 0;
    bool indexInVolumes = true;  // each recovery file repeats the index packets
    qint64 indexSize = 0;        // main, descriptions, checksums and creator
    std::vector<Volume> volumes;

    static std::optional<RecoveryPlan> make(const std::vector<qint64>& sizes, const std::vector<QByteArray>& names,
                                            int rebuildableFiles, int slicesPerLargestFile, const QString& base,
                                            qint64 creatorPacketSize, QString* error);
    static QString volumeName(const QString& base, uint32_t first, uint32_t count, int firstDigits, int countDigits);
};
