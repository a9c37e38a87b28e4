// Byte-level checks of the two formats: CRCs, names of volumes, header fields
// that no extractor test would single out (large sizes, split flags, Unicode
// names, padding of a full volume).
#include "aceformat.h"
#include "crc32.h"
#include "lebytes.h"
#include "rarformat.h"
#include "volumenaming.h"

#include <gtest/gtest.h>

#include <QtEndian>

namespace {

uint16_t u16At(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
uint32_t u32At(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// RAR's compact Unicode name, decoded the way readers do it (libarchive's
// reading of the format), independent of the encoder under test.
QString decodeRarName(const QByteArray& field)
{
    const int zero = int(field.indexOf('\0'));
    if (zero < 0)
        return QString::fromUtf8(field);
    int pos = zero + 1;
    const uint8_t high = uint8_t(field[pos++]);
    QString out;
    int bits = 0;
    uint8_t flags = 0;
    while (pos < field.size()) {
        if (bits == 0) {
            flags = uint8_t(field[pos++]);
            bits = 8;
        }
        bits -= 2;
        switch ((flags >> bits) & 3) {
        case 0: out += QChar(char16_t(uint8_t(field[pos++]))); break;
        case 1: out += QChar(char16_t(high << 8 | uint8_t(field[pos++]))); break;
        case 2: out += QChar(char16_t(uint8_t(field[pos + 1]) << 8 | uint8_t(field[pos]))); pos += 2; break;
        default: return QStringLiteral("<run-length form not expected>");
        }
    }
    return out;
}

SourceEntry fileEntry(const QString& name, uint64_t size)
{
    SourceEntry e;
    e.storedName = name;
    e.size = size;
    e.attributes = SourceEntry::Archive;
    e.modified = QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6));
    return e;
}

} // namespace

TEST(Crc, MatchesPublishedCheckValues)
{
    EXPECT_EQ(Crc32::of("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32::aceOf("123456789"), 0x340BC6D9u);
    EXPECT_EQ(Crc32::aceHeaderCrc("123456789"), 0xC6D9u);
    EXPECT_EQ(Crc32::rarHeaderCrc("123456789"), 0x3926u);

    Crc32 running;
    running.update("12345", 5);
    running.update("6789", 4);
    EXPECT_EQ(running.value(), 0xCBF43926u);
    EXPECT_EQ(Crc32().aceValue(), 0xFFFFFFFFu) << "ACE's CRC of nothing, as directories carry it";
}

TEST(VolumeNamingTest, FollowsTheArchiversSequences)
{
    const QString rar = QStringLiteral("/w/game.rar");
    EXPECT_EQ(VolumeNaming::rar(rar, 0), rar);
    EXPECT_EQ(VolumeNaming::rar(rar, 1), QStringLiteral("/w/game.r00"));
    EXPECT_EQ(VolumeNaming::rar(rar, 100), QStringLiteral("/w/game.r99"));
    EXPECT_EQ(VolumeNaming::rar(rar, 101), QStringLiteral("/w/game.s00"));
    EXPECT_EQ(VolumeNaming::rar(QStringLiteral("/w/game.001"), 1), QStringLiteral("/w/game.002"));
    EXPECT_EQ(VolumeNaming::rar(QStringLiteral("/w/game.001"), 999), QStringLiteral("/w/game.1000"));

    const QString ace = QStringLiteral("/w/game.ace");
    EXPECT_EQ(VolumeNaming::ace(ace, 1), QStringLiteral("/w/game.c00"));
    EXPECT_EQ(VolumeNaming::ace(ace, 100), QStringLiteral("/w/game.c99"));
    EXPECT_EQ(VolumeNaming::ace(ace, 101), QStringLiteral("/w/game.100"));
    EXPECT_EQ(VolumeNaming::ace(ace, 102), QStringLiteral("/w/game.101"));

    EXPECT_TRUE(VolumeNaming::isRarVolume(rar, QStringLiteral("GAME.S07")));
    EXPECT_FALSE(VolumeNaming::isRarVolume(rar, QStringLiteral("game.txt")));
    EXPECT_FALSE(VolumeNaming::isRarVolume(rar, QStringLiteral("gamex.r00")));
    EXPECT_TRUE(VolumeNaming::isAceVolume(ace, QStringLiteral("game.100")));
    EXPECT_FALSE(VolumeNaming::isAceVolume(ace, QStringLiteral("game.rar")));
}

TEST(RarFormatTest, LargeFileCarriesHighSizeFields)
{
    const uint64_t size = 5ull << 30;          // 5 GiB
    const uint64_t part = (4ull << 30) + 17;   // a part beyond 32 bits too
    EntryPart p;
    p.packedSize = part;
    p.continuesInNext = true;
    const QByteArray h = RarFormat().entryHeader(fileEntry(QStringLiteral("big.iso"), size), p);

    const uint16_t flags = u16At(h, 3);
    EXPECT_TRUE(flags & RarFormat::FileLarge);
    EXPECT_TRUE(flags & RarFormat::FileSplitAfter);
    EXPECT_EQ(u16At(h, 5), 32 + 8 + 7);
    EXPECT_EQ(u32At(h, 7), uint32_t(part));
    EXPECT_EQ(u32At(h, 11), uint32_t(size));
    EXPECT_EQ(u32At(h, 32), uint32_t(part >> 32));
    EXPECT_EQ(u32At(h, 36), uint32_t(size >> 32));
    EXPECT_EQ(h.mid(40), QByteArray("big.iso"));
    EXPECT_EQ(u16At(h, 0), Crc32::rarHeaderCrc(h.mid(2)));

    const QByteArray small = RarFormat().entryHeader(fileEntry(QStringLiteral("a"), 0xFFFFFFFFull), {});
    EXPECT_FALSE(u16At(small, 3) & RarFormat::FileLarge);
}

TEST(RarFormatTest, SplitPartsCarryTheirOwnCrcAndTheLastTheFilesCrc)
{
    const SourceEntry e = fileEntry(QStringLiteral("x"), 10);
    EntryPart p;
    p.partCrc = 0x11111111;
    p.fileCrc = 0x22222222;
    p.continuesInNext = true;
    EXPECT_EQ(u32At(RarFormat().entryHeader(e, p), 16), 0x11111111u);
    p.continuesInNext = false;
    p.continuedFromPrevious = true;
    const QByteArray last = RarFormat().entryHeader(e, p);
    EXPECT_EQ(u32At(last, 16), 0x22222222u);
    EXPECT_EQ(u16At(last, 3) & 3, RarFormat::FileSplitBefore);
}

TEST(RarFormatTest, NonAsciiNamesGetTheUnicodeForm)
{
    for (const QString& name : {QStringLiteral("sub\\café ünï.txt"), QStringLiteral("日本\\ĀaЖ€x.bin"),
                                QStringLiteral("ab")}) {
        bool unicode = false;
        const QByteArray field = RarFormat::encodeName(name, &unicode);
        EXPECT_EQ(unicode, name != QStringLiteral("ab"));
        EXPECT_EQ(decodeRarName(field), name);
        EXPECT_EQ(RarFormat::decodeName(field), unicode ? name : QString()) << "the tester reads them back";
        EXPECT_TRUE(field.startsWith(name.toUtf8())) << "readers without Unicode see UTF-8";
    }
    // Runs taken from the plain name, as RAR itself writes them: as they are,
    // and moved to another page of Unicode; a field that breaks off gives none.
    EXPECT_EQ(RarFormat::decodeName(QByteArray("Cafe\0\0\xC0\x02", 8)), QStringLiteral("Cafe"));
    EXPECT_EQ(RarFormat::decodeName(QByteArray("abc\0\x04\xC0\x81\x01", 8)), QStringLiteral("\u0462\u0463\u0464"));
    EXPECT_EQ(RarFormat::decodeName(QByteArray("ab\0\x04\x80\x41", 6)), QString());
}

TEST(RarFormatTest, EndBlockAbsorbsPaddingAndLinksVolumes)
{
    const QByteArray plain = RarFormat().volumeEnd(0, false, true, 0);
    EXPECT_EQ(plain, QByteArray("\xC4\x3D\x7B\x00\x40\x07\x00", 7)) << "the well-known RAR end block";

    const QByteArray end = RarFormat().volumeEnd(4, true, false, 30);
    EXPECT_EQ(end.size(), 9 + 30);
    EXPECT_EQ(u16At(end, 5), 9 + 30);
    EXPECT_EQ(u16At(end, 3), RarFormat::SkipIfUnknown | RarFormat::EndVolumeNumber | RarFormat::EndNextVolume);
    EXPECT_EQ(u16At(end, 7), 4);
    EXPECT_EQ(u16At(end, 0), Crc32::rarHeaderCrc(end.mid(2)));
    EXPECT_FALSE(u16At(RarFormat().volumeEnd(5, true, true, 0), 3) & RarFormat::EndNextVolume);
}

TEST(RarFormatTest, MainHeaderMarksVolumesAndTheFirstOne)
{
    EXPECT_EQ(u16At(RarFormat().volumeStart(0, true), 10), RarFormat::MainVolume | RarFormat::MainFirstVolume);
    EXPECT_EQ(u16At(RarFormat().volumeStart(3, true), 10), RarFormat::MainVolume);
}

TEST(AceFormatTest, HeadersHaveTheLayoutUnace12Reads)
{
    const QByteArray main = AceFormat().volumeStart(7, true);
    EXPECT_EQ(u16At(main, 2), main.size() - 4);
    EXPECT_EQ(u16At(main, 0), Crc32::aceHeaderCrc(main.mid(4)));
    EXPECT_EQ(u16At(main, 5), AceFormat::MainMultiVolume | AceFormat::MainAdvert);
    EXPECT_EQ(main.mid(7, 7), QByteArray("**ACE**"));
    EXPECT_EQ(uint8_t(main[17]), 7) << "volume number";
    EXPECT_EQ(main.mid(30), QByteArray(1, char(AceFormat::advert().size())) + AceFormat::advert());

    EntryPart p;
    p.packedSize = 6;
    p.continuedFromPrevious = true;
    p.fileCrc = Crc32::of("abcdef");
    const QByteArray file = AceFormat().entryHeader(fileEntry(QStringLiteral("d\\f.txt"), 6), p);
    EXPECT_EQ(u16At(file, 2), file.size() - 4);
    EXPECT_EQ(u16At(file, 0), Crc32::aceHeaderCrc(file.mid(4)));
    EXPECT_EQ(u16At(file, 5), AceFormat::AddSize | AceFormat::FileContinuedFrom);
    EXPECT_EQ(u32At(file, 23), Crc32::aceOf("abcdef"));
    EXPECT_EQ(u16At(file, 33), 7);
    EXPECT_EQ(file.mid(35, 7), QByteArray("d\\f.txt"));
    EXPECT_EQ(file.mid(42), QByteArray(4, '\0')) << "reserved tail";

    EXPECT_EQ(file.mid(27, 4), QByteArray(4, '\0')) << "stored: no method, quality or dictionary";

    // Compressed parts name the method, the level and the dictionary in
    // every part, as readers take them from the latest header.
    p.packing = {true, 3, 20};
    p.continuesInNext = true;
    const QByteArray packed = AceFormat(3).entryHeader(fileEntry(QStringLiteral("d\\f.txt"), 6), p);
    EXPECT_EQ(packed.size(), file.size()) << "headers are rewritten in place";
    EXPECT_EQ(uint8_t(packed[27]), AceFormat::MethodLz77);
    EXPECT_EQ(uint8_t(packed[28]), 3);
    EXPECT_EQ(u16At(packed, 29), 20 - 10) << "a dictionary of 2^(10 + n) bytes";

    EXPECT_TRUE(AceFormat().cannotStore(fileEntry(QStringLiteral("dvd.iso"), 1ull << 32)).has_value());
    EXPECT_FALSE(AceFormat().cannotStore(fileEntry(QStringLiteral("cd.iso"), 0xFFFFFFFFull)).has_value());
}
