#include "setreader.h"

#include "platform/textcodec.h"

#include <cstring>

namespace {
constexpr qint64 Piece = 1 << 20;

QString hex(uint32_t crc)
{
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0')).toUpper();
}
} // namespace

SetReader::SetReader(VolumeOpener& volumes, const SetTester::Observer& observer)
    : m_volumes(volumes)
    , m_observer(observer)
{
}

SetReader::~SetReader() = default;

QString SetReader::nameFromBytes(const QByteArray& bytes)
{
    const QString utf8 = QString::fromUtf8(bytes);
    if (utf8.toUtf8() == bytes && !utf8.contains(QChar::ReplacementCharacter))
        return utf8;
    return textcodec::fromCp437(bytes);
}

bool SetReader::fail(SetFault::Kind kind, const QString& detail, int volume)
{
    SetFault f;
    f.kind = kind;
    f.volume = volume < 0 ? m_volume : volume;
    f.volumeName = m_volumes.name(f.volume);
    f.entry = m_entryName;
    f.detail = detail;
    m_result.faults.append(f);
    return false;
}

bool SetReader::streamFault(const QString& where)
{
    if (m_stream->failed())
        return fail(SetFault::Kind::Unreadable, m_stream->error());
    return fail(SetFault::Kind::Truncated, QStringLiteral("it ends inside %1, after %2 bytes").arg(where).arg(m_stream->position()));
}

bool SetReader::readHeader(char* data, qint64 size)
{
    return m_stream->readExact(data, size) || streamFault(QStringLiteral("a header"));
}

bool SetReader::readRestOfHeader(char* data, qint64 size, qint64 start, qint64 declared)
{
    if (m_stream->readExact(data, size))
        return true;
    if (m_stream->failed())
        return fail(SetFault::Kind::Unreadable, m_stream->error());
    return fail(SetFault::Kind::BadHeader, QStringLiteral("the header at byte %1 says it has %2 bytes, but the volume ends %3 bytes on")
                                               .arg(start)
                                               .arg(declared)
                                               .arg(m_stream->position() - start));
}

bool SetReader::skipData(uint64_t size)
{
    while (size > 0) {
        qint64 got = 0;
        if (!m_stream->take(qint64(std::min<uint64_t>(size, Piece)), &got))
            return streamFault(QStringLiteral("the data of a block"));
        size -= uint64_t(got);
        if (!consumed())
            return false;
    }
    return true;
}

bool SetReader::consumed()
{
    m_result.bytesRead = m_closedBytes + uint64_t(m_stream->position());
    if (m_observer.progress && !m_observer.progress(m_result.bytesRead))
        return fail(SetFault::Kind::Stopped, {});
    return true;
}

void SetReader::closeVolume()
{
    if (m_stream)
        m_closedBytes += uint64_t(m_stream->position());
    m_result.bytesRead = m_closedBytes;
    m_stream.reset();
    m_device.reset();
}

bool SetReader::openVolume(int index)
{
    closeVolume();
    m_volume = index;
    VolumeOpener::Opened opened = m_volumes.open(index);
    if (!opened.device)
        return fail(opened.missing ? SetFault::Kind::Missing : SetFault::Kind::Unreadable, opened.error);
    m_device = std::move(opened.device);
    m_stream = std::make_unique<VolumeStream>(*m_device);
    m_result.volumes.append(m_volumes.name(index));
    if (m_observer.volumeStarted)
        m_observer.volumeStarted(index, m_volumes.name(index));
    return true;
}

SetTestResult SetReader::run()
{
    if (!openVolume(0) || !readVolumeStart())
        return m_result;
    for (;;) {
        Part part;
        bool setGoesOn = false;
        const Next next = nextHeader(part, &setGoesOn);
        if (next == Next::Fault)
            break;
        if (next == Next::VolumeEnd) {
            if (!setGoesOn || !openVolume(m_volume + 1) || !readVolumeStart())
                break;
            continue;
        }
        if (part.continuedFromPrevious) {
            m_entryName = part.name;
            fail(SetFault::Kind::WrongSet, m_volume == 0 ? QStringLiteral("it is not the first volume: it begins inside a file")
                                                         : QStringLiteral("it goes on with a file that the volume before does not hold"));
            break;
        }
        if (!testEntry(part))
            break;
    }
    closeVolume();
    return m_result;
}

bool SetReader::testEntry(const Part& first)
{
    m_entryName = first.name;
    m_part = first;
    m_partLeft = first.packedSize;
    m_partEnded = false;
    m_partCrc = Crc32();
    m_storedCrc = 0;
    m_packedTotal = first.packedSize;
    m_firstBadPart = -1;

    TestedEntry entry;
    entry.name = first.name;
    entry.isDirectory = first.isDirectory;
    entry.firstVolume = m_volume;
    entry.compressed = first.compressed;
    entry.tested = first.untested.isEmpty();
    entry.whyUntested = first.untested;
    const bool checkData = entry.tested && !first.isDirectory;
    // Stored data needs only the CRCs of its parts: the file's follows from them.
    m_crcParts = checkData && !first.compressed;

    Crc32 unpacked;
    uint64_t produced = 0;
    QString damage;
    if (checkData && first.compressed && !unpack(first.size, unpacked, &produced, &damage))
        return false;
    // The rest of the file's parts: all of a stored one, and whatever an
    // unpacked one leaves after its end.
    for (;;) {
        const char* at = nullptr;
        const qint64 got = nextPiece(Piece, &at);
        if (got < 0)
            return false;
        if (got == 0)
            break;
    }

    entry.lastVolume = m_volume;
    entry.size = m_part.size;
    entry.crc = m_part.crc;
    entry.packedSize = m_packedTotal;
    if (checkData && damage.isEmpty()) {
        const uint32_t crc = first.compressed ? unpacked.value() : m_storedCrc;
        if (!first.compressed)
            produced = m_packedTotal;
        if (produced != entry.size)
            damage = QStringLiteral("its data holds %1 bytes where its header says %2").arg(produced).arg(entry.size);
        else if (crc != entry.crc)
            damage = QStringLiteral("its data has CRC %1 where its header says %2").arg(hex(crc), hex(entry.crc));
    }
    if (!damage.isEmpty()) {
        entry.damaged = true;
        fail(SetFault::Kind::DataCrc, damage, m_firstBadPart >= 0 ? m_firstBadPart : m_volume);
    }
    m_result.entries.push_back(entry);
    if (m_observer.entryTested)
        m_observer.entryTested(entry);
    m_entryName.clear();
    return true;
}

bool SetReader::unpack(uint64_t size, Crc32& crc, uint64_t* produced, QString* damage)
{
    const auto input = [this](char* data, qint64 max) -> qint64 {
        const char* at = nullptr;
        const qint64 got = nextPiece(max, &at);
        if (got > 0)
            std::memcpy(data, at, std::size_t(got));
        return got;
    };
    const auto output = [&](const char* data, std::size_t n) {
        crc.update(data, n);
        *produced += n;
    };
    switch (m_decoder.decode(size, input, output)) {
    case AceLz77Decoder::Status::Done:
        return true;
    case AceLz77Decoder::Status::Corrupt:
        *damage = QStringLiteral("its packed data cannot be unpacked: ") + m_decoder.error();
        return true;
    case AceLz77Decoder::Status::InputFailed:
        break;
    }
    return false;
}

void SetReader::endPart()
{
    m_partEnded = true;
    if (m_part.continuesInNext && m_partCrc.value() != m_part.crc && m_firstBadPart < 0)
        m_firstBadPart = m_volume;
    if (m_crcParts)
        m_storedCrc = Crc32::combine(m_storedCrc, m_partCrc.value(), m_part.packedSize);
}

qint64 SetReader::nextPiece(qint64 max, const char** at)
{
    while (m_partLeft == 0) {
        if (!m_partEnded)
            endPart();
        if (!m_part.continuesInNext)
            return 0;
        if (!goOn())
            return -1;
    }
    qint64 got = 0;
    *at = m_stream->take(qint64(std::min<uint64_t>(uint64_t(max), m_partLeft)), &got);
    if (!*at) {
        streamFault(QStringLiteral("the data of this file"));
        return -1;
    }
    if (m_crcParts || m_part.continuesInNext)
        m_partCrc.update(*at, std::size_t(got));
    m_partLeft -= uint64_t(got);
    return consumed() ? got : -1;
}

bool SetReader::goOn()
{
    if (!closeVolumeInsideFile())
        return false;
    const QByteArray name = m_part.rawName;
    if (!openVolume(m_volume + 1) || !readVolumeStart())
        return false;
    Part next;
    bool setGoesOn = false;
    switch (nextHeader(next, &setGoesOn)) {
    case Next::Fault:
        return false;
    case Next::VolumeEnd:
        return fail(SetFault::Kind::WrongSet, QStringLiteral("it holds no rest of this file"));
    case Next::Entry:
        break;
    }
    if (!next.continuedFromPrevious || next.rawName != name)
        return fail(SetFault::Kind::WrongSet, QStringLiteral("it begins with %1, not with the rest of this file").arg(next.name));
    if (next.size != m_part.size)
        return fail(SetFault::Kind::WrongSet, QStringLiteral("it goes on with a file of %1 bytes, not %2").arg(next.size).arg(m_part.size));
    m_part = next;
    m_partLeft = next.packedSize;
    m_partEnded = false;
    m_partCrc = Crc32();
    m_packedTotal += next.packedSize;
    return true;
}
