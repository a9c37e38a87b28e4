#pragma once

#include "archiveformat.h"
#include "crc32.h"
#include "entrysource.h"
#include "volumewriter.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <deque>
#include <functional>

// Cuts a stream of entries into volumes: headers and data go into the current
// volume while they fit, a file that does not fit is split, and a volume that
// cannot take another header is closed (padded to the exact size where the
// format allows). volumeSize 0 writes one archive without volumes.
//
// A file's data arrives as the format packs it, in pieces whose total is
// known only at the end. The last byte is therefore held back until the end
// is reached: only then can it be known whether the volume may close after
// this file or must close inside it.
class ArchiveBuilder {
public:
    using Progress = std::function<void(const QString&)>;

    ArchiveBuilder(const ArchiveFormat& format, const QString& firstVolume, uint64_t volumeSize,
                   Progress progress);

    bool build(EntrySource& source, uint64_t totalBytes);
    QString error() const { return m_error; }
    QStringList volumes() const { return m_writer.paths(); }
    // Removes what a failed build left behind.
    void discard() { m_writer.removeAll(); }

private:
    bool startVolume();
    bool finishVolume(bool last);
    bool pull(SourceEntry& entry);
    uint64_t neededAfter(uint64_t limit);
    uint64_t headerSize(const SourceEntry& entry) const;
    bool writeEntry(const SourceEntry& entry);
    bool makeRoom(int64_t bytes);
    bool writeEmpty();
    bool pull(QByteArray& piece, bool* got);
    bool put(const char* data, qint64 size);
    bool putLast(char byte);
    bool openPart();
    bool closePart(bool continues);
    bool cutVolume();
    bool followersFitAfter(uint64_t bytes);
    QString tooSmallForFollowers() const;
    int64_t room() const;
    bool fail(const QString& text);
    void advance(uint64_t bytes);

    // The entry being written, and its part in the current volume.
    struct Part {
        bool open = false;
        bool continued = false; // an earlier part lies in an earlier volume
        qint64 headerAt = 0;
        uint64_t size = 0;
        Crc32 crc;
    };

    const ArchiveFormat& m_format;
    EntrySource* m_source = nullptr;
    std::deque<SourceEntry> m_ahead;
    QString m_firstVolume;
    uint64_t m_volumeSize;
    bool m_multiVolume;
    Progress m_progress;
    VolumeWriter m_writer;
    const SourceEntry* m_entry = nullptr;
    PackedData* m_data = nullptr;
    int64_t m_entryHeaderSize = 0;
    Part m_part;
    uint64_t m_entryDone = 0;
    int m_volumeIndex = -1;
    bool m_volumeHasEntries = false;
    uint64_t m_totalBytes = 0;
    uint64_t m_doneBytes = 0;
    int m_shownPercent = -1;
    QString m_error;
};
