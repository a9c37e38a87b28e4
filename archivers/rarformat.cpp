#include "rarformat.h"

#include "crc32.h"
#include "dostime.h"
#include "lebytes.h"
#include "volumenaming.h"

#include <array>

namespace {

constexpr uint8_t MainHead = 0x73;
constexpr uint8_t FileHead = 0x74;
constexpr uint8_t EndHead = 0x7B;
constexpr uint8_t HostWin32 = 2;
constexpr uint8_t MethodStore = 0x30;
constexpr uint64_t Low32 = 0xFFFFFFFFull;

// Every block starts with the low half of the CRC-32 of everything after it.
QByteArray sealed(QByteArray block)
{
    LeBytes::putU16(block, 0, Crc32::rarHeaderCrc(block.mid(2)));
    return block;
}

} // namespace

QString RarFormat::volumeFileName(const QString& firstVolume, int index) const
{
    return VolumeNaming::rar(firstVolume, index);
}

bool RarFormat::isVolumeOfSet(const QString& firstVolume, const QString& fileName) const
{
    return VolumeNaming::isRarVolume(firstVolume, fileName);
}

QByteArray RarFormat::volumeStart(int index, bool multiVolume) const
{
    uint16_t flags = 0;
    if (multiVolume)
        flags = MainVolume | (index == 0 ? MainFirstVolume : 0);
    LeBytes b;
    b.bytes(QByteArray("Rar!\x1a\x07\x00", 7));
    LeBytes main;
    main.u16(0).u8(MainHead).u16(flags).u16(13).u16(0).u32(0);
    return b.data() + sealed(main.data());
}

QByteArray RarFormat::encodeName(const QString& name, bool* isUnicode)
{
    const QByteArray utf8 = name.toUtf8();
    bool ascii = true;
    for (QChar c : name)
        ascii = ascii && c.unicode() < 0x80;
    *isUnicode = !ascii;
    if (ascii)
        return utf8;

    // The most frequent high byte gets the one-byte form.
    std::array<int, 256> counts{};
    for (QChar c : name)
        if (c.unicode() >> 8)
            ++counts[c.unicode() >> 8];
    int high = 0;
    for (int i = 1; i < 256; ++i)
        if (counts[i] > counts[high])
            high = i;

    QByteArray out = utf8;
    out.append('\0');
    out.append(char(high));
    int flagPos = -1;
    int opsInByte = 4;
    for (QChar c : name) {
        if (opsInByte == 4) {
            flagPos = int(out.size());
            out.append('\0');
            opsInByte = 0;
        }
        const uint16_t u = c.unicode();
        int op;
        if ((u >> 8) == 0) {
            op = 0;
            out.append(char(u));
        } else if ((u >> 8) == high) {
            op = 1;
            out.append(char(u));
        } else {
            op = 2;
            out.append(char(u));
            out.append(char(u >> 8));
        }
        out[flagPos] = char(uint8_t(out[flagPos]) | op << (6 - 2 * opsInByte));
        ++opsInByte;
    }
    return out;
}

QString RarFormat::decodeName(const QByteArray& field)
{
    const qsizetype zero = field.indexOf('\0');
    if (zero < 0 || zero + 2 > field.size())
        return {};
    const QByteArray plain = field.left(zero);
    qsizetype pos = zero + 1;
    const auto byteAt = [&field](qsizetype i) { return uint8_t(field[i]); };
    const uint16_t high = uint16_t(byteAt(pos++) << 8);
    QString out;
    uint8_t ops = 0;
    int opsLeft = 0;
    while (pos < field.size()) {
        if (opsLeft == 0) {
            ops = byteAt(pos++);
            opsLeft = 4;
            if (pos >= field.size())
                break;
        }
        const int op = ops >> 6;
        ops = uint8_t(ops << 2);
        --opsLeft;
        if (op == 0) {
            out += QChar(char16_t(byteAt(pos++)));
        } else if (op == 1) {
            out += QChar(char16_t(high | byteAt(pos++)));
        } else if (op == 2) {
            if (pos + 2 > field.size())
                return {};
            out += QChar(char16_t(byteAt(pos) | byteAt(pos + 1) << 8));
            pos += 2;
        } else {
            // A run taken from the plain name, its low bytes shifted by a
            // correction when the top bit of the count says so.
            const uint8_t count = byteAt(pos++);
            uint8_t correction = 0;
            bool corrected = count & 0x80;
            if (corrected) {
                if (pos >= field.size())
                    return {};
                correction = byteAt(pos++);
            }
            for (int n = (count & 0x7F) + 2; n > 0 && out.size() < plain.size(); --n) {
                const uint8_t b = uint8_t(plain[out.size()]);
                out += corrected ? QChar(char16_t(high | uint8_t(b + correction))) : QChar(char16_t(b));
            }
        }
    }
    return out;
}

QByteArray RarFormat::entryHeader(const SourceEntry& entry, const EntryPart& part) const
{
    bool unicode = false;
    const QByteArray name = encodeName(entry.storedName, &unicode);
    const bool large = entry.size > Low32;

    uint16_t flags = LongBlock;
    if (part.continuedFromPrevious)
        flags |= FileSplitBefore;
    if (part.continuesInNext)
        flags |= FileSplitAfter;
    if (entry.isDirectory)
        flags |= FileDirectory;
    if (large)
        flags |= FileLarge;
    if (unicode)
        flags |= FileUnicode;

    // A part that goes on in the next volume carries the CRC of its own bytes;
    // the final part carries the CRC of the whole file.
    const uint32_t crc = part.continuesInNext ? part.partCrc : part.fileCrc;
    const uint8_t version = (large || unicode) ? 29 : 20;
    const uint16_t headerSize = uint16_t(32 + (large ? 8 : 0) + name.size());

    LeBytes b;
    b.u16(0).u8(FileHead).u16(flags).u16(headerSize);
    b.u32(uint32_t(part.packedSize & Low32)).u32(uint32_t(entry.size & Low32));
    b.u8(HostWin32).u32(entry.isDirectory ? 0 : crc).u32(DosTime::fromDateTime(entry.modified));
    b.u8(version).u8(MethodStore).u16(uint16_t(name.size())).u32(entry.attributes);
    if (large)
        b.u32(uint32_t(part.packedSize >> 32)).u32(uint32_t(entry.size >> 32));
    b.bytes(name);
    return sealed(b.data());
}

std::optional<QString> RarFormat::cannotStore(const SourceEntry& entry) const
{
    bool unicode = false;
    if (32 + 8 + encodeName(entry.storedName, &unicode).size() > 0xFFFF)
        return QStringLiteral("name too long for a RAR header: %1").arg(entry.storedName);
    return std::nullopt;
}

int RarFormat::volumeEndSize(bool multiVolume) const
{
    return multiVolume ? 9 : 7;
}

QByteArray RarFormat::volumeEnd(int index, bool multiVolume, bool lastVolume, int padding) const
{
    uint16_t flags = SkipIfUnknown;
    if (multiVolume) {
        flags |= EndVolumeNumber;
        if (!lastVolume)
            flags |= EndNextVolume;
    }
    LeBytes b;
    b.u16(0).u8(EndHead).u16(flags).u16(uint16_t(volumeEndSize(multiVolume) + padding));
    if (multiVolume)
        b.u16(uint16_t(index));
    // Readers skip a block by its size, so spare room in a full volume is
    // absorbed here rather than left as stray bytes after the archive.
    b.zeros(padding);
    return sealed(b.data());
}
