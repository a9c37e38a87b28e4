#include "aceformat.h"

#include "acecompresseddata.h"
#include "crc32.h"
#include "dostime.h"
#include "lebytes.h"
#include "volumenaming.h"

#include <QDateTime>

namespace {

constexpr uint8_t MainHead = 0;
constexpr uint8_t FileHead = 1;
constexpr uint8_t HostWin32 = 2;
constexpr uint8_t Version10 = 10;

// HEAD_CRC and HEAD_SIZE precede the part of the block that they describe.
QByteArray sealed(const QByteArray& body)
{
    LeBytes b;
    b.u16(Crc32::aceHeaderCrc(body)).u16(uint16_t(body.size())).bytes(body);
    return b.data();
}

} // namespace

QString AceFormat::volumeFileName(const QString& firstVolume, int index) const
{
    return VolumeNaming::ace(firstVolume, index);
}

bool AceFormat::isVolumeOfSet(const QString& firstVolume, const QString& fileName) const
{
    return VolumeNaming::isAceVolume(firstVolume, fileName);
}

QByteArray AceFormat::advert()
{
    return QByteArrayLiteral("*Zavok32 wace*");
}

QByteArray AceFormat::volumeStart(int index, bool multiVolume) const
{
    const uint16_t flags = MainAdvert | (multiVolume ? MainMultiVolume : 0);
    const QByteArray av = advert();
    LeBytes b;
    b.u8(MainHead).u16(flags).bytes(QByteArrayLiteral("**ACE**"));
    // The volume number has one byte; long sets simply wrap, as readers only
    // compare neighbours.
    b.u8(Version10).u8(Version10).u8(HostWin32).u8(uint8_t(index));
    b.u32(DosTime::fromDateTime(QDateTime::currentDateTime())).zeros(8);
    b.u8(uint8_t(av.size())).bytes(av);
    return sealed(b.data());
}

QByteArray AceFormat::entryHeader(const SourceEntry& entry, const EntryPart& part) const
{
    uint16_t flags = AddSize;
    if (part.continuedFromPrevious)
        flags |= FileContinuedFrom;
    if (part.continuesInNext)
        flags |= FileContinuesIn;
    const QByteArray name = entry.storedName.toUtf8();
    // ACE keeps its CRC register uninverted. The final part holds the whole
    // file's value, which readers check; earlier parts hold that of their
    // own bytes in the volume (the packed bytes of a compressed file), so
    // that a damaged volume can be told.
    const uint32_t crc = part.continuesInNext ? ~part.partCrc : ~part.fileCrc;
    // Every part repeats the method: readers take it from the latest header.
    const Packing& p = part.packing;

    LeBytes b;
    b.u8(FileHead).u16(flags);
    b.u32(uint32_t(part.packedSize)).u32(uint32_t(entry.size));
    b.u32(DosTime::fromDateTime(entry.modified)).u32(entry.attributes).u32(crc);
    b.u8(p.compressed ? MethodLz77 : MethodStored);
    b.u8(uint8_t(p.compressed ? p.level : 0));
    b.u16(uint16_t(p.compressed ? p.dictionaryBits - 10 : 0)); // the dictionary as 2^(10 + n) bytes
    b.u16(0).u16(uint16_t(name.size())).bytes(name);
    // unace 1.2 reads file headers into a fixed record and refuses ones that
    // end right after the name.
    b.zeros(4);
    return sealed(b.data());
}

std::optional<QString> AceFormat::cannotStore(const SourceEntry& entry) const
{
    if (entry.size > 0xFFFFFFFFull)
        return QStringLiteral("%1 is 4 GiB or larger, which ACE 1.0 cannot store").arg(entry.storedName);
    if (entry.storedName.toUtf8().size() > 0xFFFF - 64)
        return QStringLiteral("name too long for an ACE header: %1").arg(entry.storedName);
    return std::nullopt;
}

std::unique_ptr<PackedData> AceFormat::packedData(const SourceEntry& entry) const
{
    if (m_level == 0 || entry.size < SmallestCompressed)
        return ArchiveFormat::packedData(entry);
    return std::make_unique<AceCompressedData>(entry, m_level);
}
