#include "acesetreader.h"

#include "aceformat.h"
#include "crc32.h"

#include <QtEndian>

namespace {

constexpr uint8_t MainHead = 0;
constexpr uint8_t FileHead = 1;
constexpr uint16_t MainSolid = 0x8000;
constexpr uint16_t FilePassword = 0x4000;
constexpr uint16_t FileSolid = 0x8000;
constexpr uint32_t DirectoryAttribute = 0x10;
constexpr int MainFixedSize = 26; // up to the reserved bytes
constexpr int FileFixedSize = 31; // up to the name

uint16_t u16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}
uint32_t u32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

} // namespace

bool AceSetReader::readBlock(QByteArray& body)
{
    const qint64 at = stream().position();
    char head[4];
    if (!readHeader(head, 4))
        return false;
    const uint16_t crc = qFromLittleEndian<quint16>(head);
    const uint16_t size = qFromLittleEndian<quint16>(head + 2);
    body.resize(size);
    if (!readRestOfHeader(body.data(), size, at, 4 + size))
        return false;
    if (size == 0 || Crc32::aceHeaderCrc(body) != crc)
        return fail(SetFault::Kind::BadHeader, QStringLiteral("the header at byte %1 does not match its CRC").arg(at));
    return true;
}

bool AceSetReader::readVolumeStart()
{
    // The signature first, so that a file of another kind is named as one
    // rather than as a damaged or cut-short header.
    constexpr int SignatureEnd = 4 + 10;
    QByteArray start(SignatureEnd, '\0');
    if (!stream().readExact(start.data(), SignatureEnd)) {
        if (stream().failed())
            return fail(SetFault::Kind::Unreadable, stream().error());
        return fail(SetFault::Kind::NotAnArchive, QStringLiteral("it holds only %1 bytes").arg(stream().position()));
    }
    if (uint8_t(start[4]) != MainHead || start.mid(7, 7) != "**ACE**")
        return fail(SetFault::Kind::NotAnArchive, QStringLiteral("it does not begin with an ACE archive header"));
    const uint16_t crc = u16(start, 0);
    QByteArray body = start.mid(4);
    body.resize(std::max<qsizetype>(u16(start, 2), body.size()));
    if (!readRestOfHeader(body.data() + (SignatureEnd - 4), body.size() - (SignatureEnd - 4), 0, 4 + body.size()))
        return false;
    if (body.size() < MainFixedSize || Crc32::aceHeaderCrc(body) != crc)
        return fail(SetFault::Kind::BadHeader, QStringLiteral("the archive header does not match its CRC"));

    const uint16_t flags = u16(body, 1);
    const int number = uint8_t(body[13]);
    if (volume() == 0)
        m_solid = flags & MainSolid;
    // The number has a byte: long sets wrap, and only neighbours are compared.
    if (volume() > 0 && !(flags & AceFormat::MainMultiVolume))
        return fail(SetFault::Kind::WrongSet, QStringLiteral("it is an archive of its own, not a volume"));
    if (number != (volume() & 0xFF))
        return fail(SetFault::Kind::WrongSet, volume() == 0 ? QStringLiteral("it is not the first volume of its set")
                                                            : QStringLiteral("it says it is volume %1 of its set, not volume %2")
                                                                  .arg(number + 1)
                                                                  .arg((volume() & 0xFF) + 1));
    return true;
}

AceSetReader::Next AceSetReader::nextHeader(Part& part, bool* setGoesOn)
{
    // A volume goes on into the next only inside a file.
    *setGoesOn = false;
    for (;;) {
        if (stream().atEnd()) {
            if (!stream().failed())
                return Next::VolumeEnd;
            fail(SetFault::Kind::Unreadable, stream().error());
            return Next::Fault;
        }
        QByteArray body;
        if (!readBlock(body))
            return Next::Fault;
        if (uint8_t(body[0]) == FileHead)
            return fileHeader(body, part);
        // Blocks of other kinds (recovery records and the like) are passed over.
        if ((u16(body, 1) & AceFormat::AddSize) && body.size() >= 7 && !skipData(u32(body, 3)))
            return Next::Fault;
    }
}

AceSetReader::Next AceSetReader::fileHeader(const QByteArray& body, Part& part)
{
    if (body.size() < FileFixedSize || body.size() < FileFixedSize + u16(body, 29)) {
        fail(SetFault::Kind::BadHeader, QStringLiteral("a file header of %1 bytes cannot hold its fields").arg(body.size()));
        return Next::Fault;
    }
    const uint16_t flags = u16(body, 1);
    part.packedSize = u32(body, 3);
    part.size = u32(body, 7);
    part.isDirectory = u32(body, 15) & DirectoryAttribute;
    part.crc = ~u32(body, 19); // ACE keeps its CRC register uninverted
    part.rawName = body.mid(FileFixedSize, u16(body, 29));
    part.name = nameFromBytes(part.rawName);
    part.continuedFromPrevious = flags & AceFormat::FileContinuedFrom;
    part.continuesInNext = flags & AceFormat::FileContinuesIn;
    const uint8_t method = uint8_t(body[23]);
    part.compressed = method == AceFormat::MethodLz77;
    if (flags & FilePassword)
        part.untested = QStringLiteral("it is encrypted");
    else if (method != AceFormat::MethodStored && !part.compressed)
        part.untested = QStringLiteral("it is packed by ACE's method %1").arg(method);
    else if (part.compressed && (m_solid || (flags & FileSolid)))
        part.untested = QStringLiteral("it is packed in a solid archive");
    return Next::Entry;
}
