#include "rarsetreader.h"

#include "crc32.h"
#include "rarformat.h"

#include <QtEndian>

namespace {

constexpr uint8_t MainHead = 0x73;
constexpr uint8_t FileHead = 0x74;
constexpr uint8_t ServiceHead = 0x7A;
constexpr uint8_t EndHead = 0x7B;
constexpr uint8_t MethodStore = 0x30;
constexpr uint16_t MainEncryptedHeaders = 0x0080;
constexpr uint16_t FileEncrypted = 0x0004;
constexpr uint16_t EndDataCrc = 0x0002;
constexpr int BaseSize = 7;
constexpr int FileBaseSize = 32;

uint16_t u16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}
uint32_t u32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

} // namespace

bool RarSetReader::readVolumeStart()
{
    static const QByteArray signature("Rar!\x1a\x07\x00", 7);
    QByteArray mark(signature.size(), '\0');
    if (!stream().readExact(mark.data(), mark.size())) {
        if (stream().failed())
            return fail(SetFault::Kind::Unreadable, stream().error());
        return fail(SetFault::Kind::NotAnArchive, QStringLiteral("it holds only %1 bytes").arg(stream().position()));
    }
    if (mark == QByteArray("Rar!\x1a\x07\x01", 7))
        return fail(SetFault::Kind::Unsupported, QStringLiteral("it is a RAR 5 archive"));
    if (mark != signature)
        return fail(SetFault::Kind::NotAnArchive, QStringLiteral("it does not begin with RAR's signature"));

    QByteArray main;
    if (!readBlock(main))
        return false;
    if (uint8_t(main[2]) != MainHead)
        return fail(SetFault::Kind::BadHeader, QStringLiteral("the archive header is missing"));
    const uint16_t flags = u16(main, 3);
    if (flags & MainEncryptedHeaders)
        return fail(SetFault::Kind::Unsupported, QStringLiteral("its headers are encrypted"));
    if (volume() > 0 && !(flags & RarFormat::MainVolume))
        return fail(SetFault::Kind::WrongSet, QStringLiteral("it is an archive of its own, not a volume"));
    if (volume() > 0 && (flags & RarFormat::MainFirstVolume))
        return fail(SetFault::Kind::WrongSet, QStringLiteral("it is the first volume of a set"));
    return true;
}

bool RarSetReader::readBlock(QByteArray& block)
{
    const qint64 at = stream().position();
    block.resize(BaseSize);
    if (!readHeader(block.data(), BaseSize))
        return false;
    const uint16_t size = u16(block, 5);
    if (size < BaseSize)
        return fail(SetFault::Kind::BadHeader, QStringLiteral("a header at byte %1 says it has %2 bytes").arg(at).arg(size));
    block.resize(size);
    if (!readRestOfHeader(block.data() + BaseSize, size - BaseSize, at, size))
        return false;
    if (Crc32::rarHeaderCrc(block.mid(2)) != u16(block, 0))
        return fail(SetFault::Kind::BadHeader, QStringLiteral("the header at byte %1 does not match its CRC").arg(at));
    return true;
}

RarSetReader::Next RarSetReader::nextHeader(Part& part, bool* setGoesOn)
{
    for (;;) {
        if (stream().atEnd()) {
            if (stream().failed())
                fail(SetFault::Kind::Unreadable, stream().error());
            else
                fail(SetFault::Kind::Truncated, QStringLiteral("it ends after %1 bytes, without its end block").arg(stream().position()));
            return Next::Fault;
        }
        QByteArray block;
        if (!readBlock(block))
            return Next::Fault;
        const uint8_t type = uint8_t(block[2]);
        if (type == FileHead)
            return fileHeader(block, part);
        if (type == EndHead)
            return endBlock(block, setGoesOn);
        // Blocks this reader has no use for are passed over with their data.
        const uint16_t flags = u16(block, 3);
        uint64_t data = 0;
        if ((flags & RarFormat::LongBlock) && block.size() >= BaseSize + 4)
            data = u32(block, BaseSize);
        if (type == ServiceHead && (flags & RarFormat::FileLarge) && block.size() >= FileBaseSize + 8)
            data |= uint64_t(u32(block, FileBaseSize)) << 32;
        if (!skipData(data))
            return Next::Fault;
    }
}

RarSetReader::Next RarSetReader::fileHeader(const QByteArray& block, Part& part)
{
    const uint16_t flags = u16(block, 3);
    const bool large = flags & RarFormat::FileLarge;
    const int fixed = FileBaseSize + (large ? 8 : 0);
    if (block.size() < fixed || block.size() < fixed + u16(block, 26)) {
        fail(SetFault::Kind::BadHeader, QStringLiteral("a file header of %1 bytes cannot hold its fields").arg(block.size()));
        return Next::Fault;
    }
    part.packedSize = u32(block, 7);
    part.size = u32(block, 11);
    if (large) {
        part.packedSize |= uint64_t(u32(block, 32)) << 32;
        part.size |= uint64_t(u32(block, 36)) << 32;
    }
    part.crc = u32(block, 16);
    part.rawName = block.mid(fixed, u16(block, 26));
    if (flags & RarFormat::FileUnicode)
        part.name = RarFormat::decodeName(part.rawName);
    if (part.name.isEmpty()) {
        const qsizetype zero = part.rawName.indexOf('\0');
        part.name = nameFromBytes(zero < 0 ? part.rawName : part.rawName.left(zero));
    }
    part.isDirectory = (flags & RarFormat::FileDirectory) == RarFormat::FileDirectory;
    part.continuedFromPrevious = flags & RarFormat::FileSplitBefore;
    part.continuesInNext = flags & RarFormat::FileSplitAfter;
    const uint8_t method = uint8_t(block[25]);
    if (flags & FileEncrypted)
        part.untested = QStringLiteral("it is encrypted");
    else if (method != MethodStore && !part.isDirectory)
        part.untested = QStringLiteral("it is packed by RAR's method %1").arg(int(method) - MethodStore);
    return Next::Entry;
}

RarSetReader::Next RarSetReader::endBlock(const QByteArray& block, bool* setGoesOn)
{
    const uint16_t flags = u16(block, 3);
    const int at = BaseSize + ((flags & EndDataCrc) ? 4 : 0);
    if ((flags & RarFormat::EndVolumeNumber) && block.size() >= at + 2 && u16(block, at) != volume()) {
        fail(SetFault::Kind::WrongSet, QStringLiteral("it says it is volume %1 of its set, not volume %2")
                                           .arg(u16(block, at) + 1)
                                           .arg(volume() + 1));
        return Next::Fault;
    }
    *setGoesOn = flags & RarFormat::EndNextVolume;
    return Next::VolumeEnd;
}

bool RarSetReader::closeVolumeInsideFile()
{
    // A file that goes on in the next volume is the last thing in its own.
    Part other;
    bool setGoesOn = false;
    switch (nextHeader(other, &setGoesOn)) {
    case Next::Fault:
        return false;
    case Next::Entry:
        return fail(SetFault::Kind::BadHeader, QStringLiteral("%1 follows a file that goes on in the next volume").arg(other.name));
    case Next::VolumeEnd:
        break;
    }
    return true;
}
