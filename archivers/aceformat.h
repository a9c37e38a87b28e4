#pragma once

#include "archiveformat.h"

// The ACE 1.0 block format. At level 0 every file is stored; at -m1 to -m5
// files are compressed with ACE 1.0's LZ77 method, and stored where that
// gains nothing.
class AceFormat : public ArchiveFormat {
public:
    explicit AceFormat(int level = 0)
        : m_level(level)
    {
    }

    static constexpr uint16_t AddSize = 0x0001;
    static constexpr uint16_t MainMultiVolume = 0x0800;
    static constexpr uint16_t MainAdvert = 0x1000;
    static constexpr uint16_t FileContinuedFrom = 0x1000;
    static constexpr uint16_t FileContinuesIn = 0x2000;
    static constexpr uint8_t MethodStored = 0;
    static constexpr uint8_t MethodLz77 = 1;
    // Smaller files are always stored: the tables alone outweigh them, and
    // the volume cut counts on files under two bytes taking their own size.
    static constexpr uint64_t SmallestCompressed = 32;

    QString volumeFileName(const QString& firstVolume, int index) const override;
    bool isVolumeOfSet(const QString& firstVolume, const QString& fileName) const override;
    QByteArray volumeStart(int index, bool multiVolume) const override;
    QByteArray entryHeader(const SourceEntry& entry, const EntryPart& part) const override;
    int volumeEndSize(bool) const override { return 0; }
    QByteArray volumeEnd(int, bool, bool, int) const override { return {}; }
    bool padsVolumes() const override { return false; }
    // unace 1.2 stops at the end of a volume unless its last file goes on.
    bool volumesEndInsideAFile() const override { return true; }
    std::optional<QString> cannotStore(const SourceEntry& entry) const override;
    std::unique_ptr<PackedData> packedData(const SourceEntry& entry) const override;
    // A compressed file just under 4 GiB can grow past what 32 bits record.
    uint64_t largestPart() const override { return 0xFFFFFFFFull; }

    static QByteArray advert();

private:
    int m_level;
};
