#pragma once

#include "archiveformat.h"

// The RAR 1.5-4.x block format, every file stored (method 0x30).
class RarFormat : public ArchiveFormat {
public:
    static constexpr uint16_t MainVolume = 0x0001;
    static constexpr uint16_t MainFirstVolume = 0x0100;
    static constexpr uint16_t FileSplitBefore = 0x0001;
    static constexpr uint16_t FileSplitAfter = 0x0002;
    static constexpr uint16_t FileDirectory = 0x00E0;
    static constexpr uint16_t FileLarge = 0x0100;
    static constexpr uint16_t FileUnicode = 0x0200;
    static constexpr uint16_t LongBlock = 0x8000;
    static constexpr uint16_t EndNextVolume = 0x0001;
    static constexpr uint16_t EndVolumeNumber = 0x0008;
    static constexpr uint16_t SkipIfUnknown = 0x4000;

    QString volumeFileName(const QString& firstVolume, int index) const override;
    bool isVolumeOfSet(const QString& firstVolume, const QString& fileName) const override;
    QByteArray volumeStart(int index, bool multiVolume) const override;
    QByteArray entryHeader(const SourceEntry& entry, const EntryPart& part) const override;
    int volumeEndSize(bool multiVolume) const override;
    QByteArray volumeEnd(int index, bool multiVolume, bool lastVolume, int padding) const override;
    bool padsVolumes() const override { return true; }
    std::optional<QString> cannotStore(const SourceEntry& entry) const override;

    // The name field of a file header: the name in UTF-8, and for names beyond
    // ASCII a zero byte followed by RAR's compact UTF-16 encoding.
    static QByteArray encodeName(const QString& name, bool* isUnicode);
    // The Unicode name of a name field with that encoding (all four of its
    // forms); empty when the field holds none or breaks off.
    static QString decodeName(const QByteArray& field);
};
