#pragma once

#include "archiveformat.h"

// The ACE 1.0 block format, every file stored.
class AceFormat : public ArchiveFormat {
public:
    static constexpr uint16_t AddSize = 0x0001;
    static constexpr uint16_t MainMultiVolume = 0x0800;
    static constexpr uint16_t MainAdvert = 0x1000;
    static constexpr uint16_t FileContinuedFrom = 0x1000;
    static constexpr uint16_t FileContinuesIn = 0x2000;

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

    static QByteArray advert();
};
