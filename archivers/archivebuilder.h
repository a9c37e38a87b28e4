#pragma once

#include "archiveformat.h"
#include "crc32.h"
#include "entrysource.h"
#include "volumewriter.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <deque>
#include <functional>

// Cuts a stream of entries into volumes: headers and data go into the current
// volume while they fit, a file that does not fit is split, and a volume that
// cannot take another header is closed (padded to the exact size where the
// format allows). volumeSize 0 writes one archive without volumes.
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
    bool copyData(QFile& in, uint64_t size, Crc32& partCrc, Crc32& fileCrc);
    int64_t room() const;
    bool fail(const QString& text);
    void advance(uint64_t bytes);

    const ArchiveFormat& m_format;
    EntrySource* m_source = nullptr;
    std::deque<SourceEntry> m_ahead;
    QString m_firstVolume;
    uint64_t m_volumeSize;
    bool m_multiVolume;
    Progress m_progress;
    VolumeWriter m_writer;
    QByteArray m_buffer;
    int m_volumeIndex = -1;
    bool m_volumeHasEntries = false;
    uint64_t m_totalBytes = 0;
    uint64_t m_doneBytes = 0;
    int m_shownPercent = -1;
    QString m_error;
};
