#include "archivebuilder.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>

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
    if (!m_multiVolume)
        return std::numeric_limits<int64_t>::max() / 2;
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
    m_entry = &entry;
    m_entryHeaderSize = int64_t(headerSize(entry));
    m_part = Part();
    m_entryDone = 0;
    if (entry.isDirectory) {
        m_data = nullptr;
        return writeEmpty();
    }

    const std::unique_ptr<PackedData> data = m_format.packedData(entry);
    m_data = data.get();
    QByteArray piece;
    QByteArray following;
    bool got = false;
    if (!pull(piece, &got))
        return false;
    if (!got)
        return writeEmpty();
    for (;;) {
        if (!pull(following, &got))
            return false;
        if (!got)
            break;
        if (!put(piece.constData(), piece.size()))
            return false;
        piece.swap(following);
    }
    return put(piece.constData(), piece.size() - 1) && putLast(piece.back());
}

bool ArchiveBuilder::pull(QByteArray& piece, bool* got)
{
    *got = m_data->next(piece);
    const uint64_t done = m_data->sourceDone();
    if (done > m_entryDone) {
        advance(done - m_entryDone);
        m_entryDone = done;
    }
    if (!*got && !m_data->error().isEmpty())
        return fail(m_data->error());
    return true;
}

bool ArchiveBuilder::followersFitAfter(uint64_t bytes)
{
    return !m_multiVolume || !m_format.volumesEndInsideAFile() || neededAfter(bytes) <= bytes;
}

QString ArchiveBuilder::tooSmallForFollowers() const
{
    return QStringLiteral("volumes of %1 bytes are too small for the entries that follow %2")
        .arg(m_volumeSize)
        .arg(m_entry->storedName);
}

bool ArchiveBuilder::makeRoom(int64_t bytes)
{
    while (m_multiVolume && room() < bytes) {
        if (!m_volumeHasEntries)
            return fail(QStringLiteral("volume size %1 is too small for %2").arg(m_volumeSize).arg(m_entry->storedName));
        if (!finishVolume(false) || !startVolume())
            return false;
    }
    return true;
}

bool ArchiveBuilder::writeEmpty()
{
    // A header alone: it cannot be split, and the volume must still hold
    // what follows it.
    if (!makeRoom(m_entryHeaderSize))
        return false;
    if (!followersFitAfter(uint64_t(room() - m_entryHeaderSize)))
        return fail(tooSmallForFollowers());
    EntryPart part;
    part.fileCrc = m_data ? m_data->sourceCrc() : 0;
    if (!m_writer.write(m_format.entryHeader(*m_entry, part)))
        return fail(m_writer.error());
    m_volumeHasEntries = true;
    return true;
}

bool ArchiveBuilder::openPart()
{
    if (!makeRoom(m_entryHeaderSize + 1))
        return false;
    m_part.open = true;
    m_part.headerAt = m_writer.position();
    m_part.size = 0;
    m_part.crc = Crc32();
    // The header is written again, with sizes and CRCs, when the part closes.
    if (!m_writer.write(m_format.entryHeader(*m_entry, EntryPart{})))
        return fail(m_writer.error());
    m_volumeHasEntries = true;
    return true;
}

bool ArchiveBuilder::closePart(bool continues)
{
    EntryPart part;
    part.packedSize = m_part.size;
    part.continuedFromPrevious = m_part.continued;
    part.continuesInNext = continues;
    part.partCrc = m_part.crc.value();
    part.fileCrc = m_data->sourceCrc();
    part.packing = m_data->packing();
    if (!m_writer.rewrite(m_part.headerAt, m_format.entryHeader(*m_entry, part)))
        return fail(m_writer.error());
    m_part.open = false;
    m_part.continued = true;
    return true;
}

bool ArchiveBuilder::cutVolume()
{
    return closePart(true) && finishVolume(false) && startVolume();
}

bool ArchiveBuilder::put(const char* data, qint64 size)
{
    while (size > 0) {
        if (!m_part.open && !openPart())
            return false;
        const qint64 fits = m_multiVolume ? std::min<qint64>(size, room()) : size;
        if (fits <= 0) {
            if (!cutVolume())
                return false;
            continue;
        }
        if (m_part.size + uint64_t(fits) > m_format.largestPart())
            return fail(QStringLiteral("%1 packs to more bytes than one header can record; "
                                       "volumes would split it").arg(m_entry->storedName));
        if (!m_writer.write(data, fits))
            return fail(m_writer.error());
        m_part.crc.update(data, std::size_t(fits));
        m_part.size += uint64_t(fits);
        data += fits;
        size -= fits;
    }
    return true;
}

bool ArchiveBuilder::putLast(char byte)
{
    for (;;) {
        if (!m_part.open && !openPart())
            return false;
        if (m_multiVolume && room() <= 0) {
            if (!cutVolume())
                return false;
            continue;
        }
        if (followersFitAfter(uint64_t(room() - 1)))
            break;
        // What follows would end this volume outside a file: the last byte
        // moves on, so that the volume ends inside this one.
        if (m_part.size == 0)
            return fail(tooSmallForFollowers());
        if (!cutVolume())
            return false;
    }
    return put(&byte, 1) && closePart(false);
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
