#pragma once

#include "packeddata.h"
#include "sourceentry.h"
#include "storeddata.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

// One stretch of an entry's data that lies in one volume. A file that crosses
// volume boundaries is stored as several parts, each with its own header.
struct EntryPart {
    uint64_t packedSize = 0;
    bool continuedFromPrevious = false;
    bool continuesInNext = false;
    uint32_t partCrc = 0; // CRC-32 of this part's bytes as they lie in the volume
    uint32_t fileCrc = 0; // CRC-32 of the whole file's own bytes; known for the last part
    Packing packing;      // the same in every part of an entry
};

// What differs between the RAR and ACE writers; the splitting itself is shared.
// Header sizes must not depend on EntryPart, so that a header can be written
// first and rewritten in place once the data (and its CRC) has passed.
class ArchiveFormat {
public:
    virtual ~ArchiveFormat() = default;

    virtual QString volumeFileName(const QString& firstVolume, int index) const = 0;
    virtual bool isVolumeOfSet(const QString& firstVolume, const QString& fileName) const = 0;
    virtual QByteArray volumeStart(int index, bool multiVolume) const = 0;
    virtual QByteArray entryHeader(const SourceEntry& entry, const EntryPart& part) const = 0;
    // Bytes every volume needs after its last entry.
    virtual int volumeEndSize(bool multiVolume) const = 0;
    // padding > 0 only when padsVolumes(): the end block grows to fill the volume.
    virtual QByteArray volumeEnd(int index, bool multiVolume, bool lastVolume, int padding) const = 0;
    virtual bool padsVolumes() const = 0;
    // Readers of the format that only move on to the next volume when the
    // last file of a volume continues there.
    virtual bool volumesEndInsideAFile() const { return false; }
    // A reason why the entry cannot be written in this format, if there is one.
    virtual std::optional<QString> cannotStore(const SourceEntry&) const { return std::nullopt; }
    // The most packed bytes one part's header can record.
    virtual uint64_t largestPart() const { return ~uint64_t(0); }
    // A file's data as the format packs it: as it is, unless the format compresses.
    virtual std::unique_ptr<PackedData> packedData(const SourceEntry& entry) const
    {
        return std::make_unique<StoredData>(entry);
    }
};
