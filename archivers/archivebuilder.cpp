#include "archivebuilder.h"

#include <QFileInfo>

#include <algorithm>

namespace {
constexpr qint64 ChunkSize = 1 << 20;
}

ArchiveBuilder::ArchiveBuilder(const ArchiveFormat& format, const QString& firstVolume,
                               uint64_t volumeSize, Progress progress)
    : m_format(format)
    , m_firstVolume(firstVolume)
    , m_volumeSize(volumeSize)
    , m_multiVolume(volumeSize > 0)
    , m_progress(std::move(progress))
    , m_writer([this](int index) { return m_format.volumeFileName(m_firstVolume, index); })
{
}

bool ArchiveBuilder::fail(const QString& text)
{
    m_error = text;
    return false;
}

int64_t ArchiveBuilder::room() const
{
    return int64_t(m_volumeSize) - m_writer.position() - m_format.volumeEndSize(m_multiVolume);
}

bool ArchiveBuilder::build(EntrySource& source, uint64_t totalBytes)
{
    m_totalBytes = totalBytes;
    m_source = &source;
    if (!startVolume())
        return false;
    SourceEntry entry;
    while (pull(entry)) {
        if (!writeEntry(entry))
            return false;
    }
    if (!source.error().isEmpty())
        return fail(source.error());
    return finishVolume(true);
}

bool ArchiveBuilder::pull(SourceEntry& entry)
{
    if (m_ahead.empty())
        return m_source->next(entry);
    entry = std::move(m_ahead.front());
    m_ahead.pop_front();
    return true;
}

uint64_t ArchiveBuilder::headerSize(const SourceEntry& entry) const
{
    return uint64_t(m_format.entryHeader(entry, EntryPart{}).size());
}

namespace {
// A file of two bytes or more can always leave at least one byte for the next volume.
bool splittable(const SourceEntry& e)
{
    return !e.isDirectory && e.size >= 2;
}
} // namespace

uint64_t ArchiveBuilder::neededAfter(uint64_t limit)
{
    // What must still fit into this volume after the current entry: the
    // entries that cannot be split, then the header and first byte of the next
    // file that can (which then ends the volume inside itself).
    uint64_t need = 0;
    for (std::size_t i = 0;; ++i) {
        if (i == m_ahead.size()) {
            SourceEntry next;
            if (!m_source->next(next))
                return need;
            m_ahead.push_back(std::move(next));
        }
        const SourceEntry& e = m_ahead[i];
        if (splittable(e))
            return need + headerSize(e) + 1;
        need += headerSize(e) + (e.isDirectory ? 0 : e.size);
        if (need > limit)
            return need;
    }
}

bool ArchiveBuilder::startVolume()
{
    ++m_volumeIndex;
    if (!m_writer.open(m_volumeIndex))
        return fail(m_writer.error());
    m_progress(QStringLiteral("Creating %1").arg(QFileInfo(m_writer.currentPath()).fileName()));
    m_volumeHasEntries = false;
    if (!m_writer.write(m_format.volumeStart(m_volumeIndex, m_multiVolume)))
        return fail(m_writer.error());
    return true;
}

bool ArchiveBuilder::finishVolume(bool last)
{
    int padding = 0;
    if (m_multiVolume && !last && m_format.padsVolumes())
        padding = int(std::max<int64_t>(0, room()));
    if (m_format.volumeEndSize(m_multiVolume) + padding > 0xFFFF)
        return fail(QStringLiteral("volume %1 cannot be filled to its size").arg(m_writer.currentPath()));
    if (!m_writer.write(m_format.volumeEnd(m_volumeIndex, m_multiVolume, last, padding)) || !m_writer.close())
        return fail(m_writer.error());
    return true;
}

bool ArchiveBuilder::writeEntry(const SourceEntry& entry)
{
    if (const auto why = m_format.cannotStore(entry))
        return fail(*why);

    QFile in;
    QString openError;
    if (!entry.isDirectory && !openForReading(entry, in, &openError))
        return fail(QStringLiteral("cannot read %1: %2").arg(entry.hostPath, openError));

    const int64_t headerSize = int64_t(this->headerSize(entry));
    uint64_t remaining = entry.isDirectory ? 0 : entry.size;
    bool first = true;
    Crc32 fileCrc;
    for (;;) {
        uint64_t partSize = remaining;
        if (m_multiVolume) {
            const int64_t needed = headerSize + (remaining > 0 ? 1 : 0);
            if (room() < needed) {
                if (!m_volumeHasEntries)
                    return fail(QStringLiteral("volume size %1 is too small for %2")
                                    .arg(m_volumeSize)
                                    .arg(entry.storedName));
                if (!finishVolume(false) || !startVolume())
                    return false;
                continue;
            }
            partSize = std::min<uint64_t>(remaining, uint64_t(room() - headerSize));
            if (m_format.volumesEndInsideAFile() && partSize == remaining) {
                const uint64_t after = uint64_t(room() - headerSize) - remaining;
                if (neededAfter(after) > after) {
                    if (remaining < 2)
                        return fail(QStringLiteral("volumes of %1 bytes are too small for the entries "
                                                   "that follow %2")
                                        .arg(m_volumeSize)
                                        .arg(entry.storedName));
                    partSize = remaining - 1;
                }
            }
        }

        EntryPart part;
        part.packedSize = partSize;
        part.continuedFromPrevious = !first;
        part.continuesInNext = partSize < remaining;
        const qint64 headerAt = m_writer.position();
        if (!m_writer.write(m_format.entryHeader(entry, part)))
            return fail(m_writer.error());
        Crc32 partCrc;
        if (!copyData(in, partSize, partCrc, fileCrc))
            return false;
        part.partCrc = partCrc.value();
        part.fileCrc = fileCrc.value();
        if (!m_writer.rewrite(headerAt, m_format.entryHeader(entry, part)))
            return fail(m_writer.error());
        m_volumeHasEntries = true;

        remaining -= partSize;
        first = false;
        if (!part.continuesInNext)
            return true;
        if (!finishVolume(false) || !startVolume())
            return false;
    }
}

bool ArchiveBuilder::copyData(QFile& in, uint64_t size, Crc32& partCrc, Crc32& fileCrc)
{
    if (m_buffer.isEmpty())
        m_buffer.resize(ChunkSize);
    while (size > 0) {
        const qint64 want = qint64(std::min<uint64_t>(size, uint64_t(ChunkSize)));
        const qint64 got = in.read(m_buffer.data(), want);
        if (got < 0)
            return fail(QStringLiteral("cannot read %1: %2").arg(in.fileName(), in.errorString()));
        if (got == 0)
            return fail(QStringLiteral("%1 became shorter while it was being stored").arg(in.fileName()));
        partCrc.update(m_buffer.constData(), std::size_t(got));
        fileCrc.update(m_buffer.constData(), std::size_t(got));
        if (!m_writer.write(m_buffer.constData(), got))
            return fail(m_writer.error());
        size -= uint64_t(got);
        advance(uint64_t(got));
    }
    return true;
}

void ArchiveBuilder::advance(uint64_t bytes)
{
    m_doneBytes += bytes;
    if (m_totalBytes == 0)
        return;
    const int percent = int(std::min<uint64_t>(100, m_doneBytes * 100 / m_totalBytes));
    if (percent != m_shownPercent) {
        m_shownPercent = percent;
        m_progress(QStringLiteral("%1%").arg(percent, 3));
    }
}
