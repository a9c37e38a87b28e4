// The sets against every independent reader Debian has, beyond the 7z and
// unace checks of programs_test.cpp: unrar-free and unar for RAR, lsar for
// ACE. Where a reader cannot read what it should, the test records the
// limitation with a case that shows the reader is at fault; when a newer
// reader lifts it, the test says so and the reader can join the others.
#include "testworkspace.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <zlib.h>

namespace {

const QString SevenZip = QStringLiteral("7z");
const QString Lsar = QStringLiteral("lsar");
const QString Unar = QStringLiteral("unar");
const QString UnrarFree = QStringLiteral("unrar-free");
const QString Unace = QStringLiteral("unace");

void makeSource(const TestWorkspace& ws)
{
    ws.writeRandomFile(QStringLiteral("game/data.bin"), 250000, 11);
    ws.writeFile(QStringLiteral("game/readme.txt"), "read me");
    ws.writeFile(QStringLiteral("empty.txt"), {});
}

// The entries lsar names, one per line after the archive's own line.
QStringList lsarEntries(const QString& archive, const QString& cwd)
{
    const auto listed = TestWorkspace::run(Lsar, {archive}, cwd);
    QStringList lines = listed.out.split(u'\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty())
        lines.removeFirst();
    return lines;
}

// What a reader makes of an ACE archive does not depend on who wrote it: a
// file of one stored entry, put together here field by field after the ACE
// 1.2 technical notes, with an advert as the ACE program writes one (unace 1.2
// reads the advert's length even when the flag says there is none).
QByteArray handMadeAce()
{
    const auto u16 = [](QByteArray& b, quint16 v) { b.append(char(v & 0xFF)).append(char(v >> 8)); };
    const auto u32 = [&u16](QByteArray& b, quint32 v) { u16(b, quint16(v & 0xFFFF)); u16(b, quint16(v >> 16)); };
    // HEAD_CRC: the low half of the CRC-32 register over the block, which
    // ACE keeps uninverted.
    const auto block = [&u16](const QByteArray& body) {
        const quint32 crc = ~quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size())));
        QByteArray b;
        u16(b, quint16(crc & 0xFFFF));
        u16(b, quint16(body.size()));
        return b + body;
    };
    const QByteArray content = "abc";
    const quint32 dosTime = (21u << 25) | (2u << 21) | (3u << 16) | (4u << 11); // 2001-02-03 04:00

    QByteArray main;
    main.append(char(0)); // archive header
    u16(main, 0x1000); // advert present
    main.append("**ACE**");
    main.append(char(10)).append(char(10)).append(char(2)).append(char(0)); // versions, Win32, volume 0
    u32(main, dosTime);
    main.append(QByteArray(8, '\0'));
    const QByteArray advert = "*hand made*";
    main.append(char(advert.size())).append(advert);

    QByteArray file;
    file.append(char(1)); // file block
    u16(file, 0x0001);    // ADDSIZE: the packed data follows
    u32(file, quint32(content.size()));
    u32(file, quint32(content.size()));
    u32(file, dosTime);
    u32(file, 0x20);
    u32(file, ~quint32(crc32(0, reinterpret_cast<const Bytef*>(content.constData()), uInt(content.size()))));
    u32(file, 0); // stored
    u16(file, 0);
    u16(file, 5);
    file.append("a.txt");
    file.append(QByteArray(4, '\0')); // unace 1.2 reads a fixed record past the name

    return block(main) + block(file) + content;
}

} // namespace

TEST(RarReadersTest, UnarExtractsATwoDigitSetIdentically)
{
    TestWorkspace ws;
    makeSource(ws);
    ASSERT_TRUE(ws.archiver("wrar", {"a", "-r", "-y", "-v100000b", "c:\\Zavok001\\game.rar"}).ok());
    ASSERT_GT(ws.volumes().size(), 2);
    const QString out = ws.scratch(QStringLiteral("unar"));
    const auto r = TestWorkspace::run(Unar, {"-q", "-o", out, "-D", "game.rar"}, ws.work());
    ASSERT_TRUE(r.ok()) << r.out.toStdString() << r.err.toStdString();
    QString difference;
    EXPECT_TRUE(TestWorkspace::sameTree(ws.source(), out, &difference)) << difference.toStdString();
}

TEST(RarReadersTest, UnrarFreeExtractsASingleArchiveButNoVolumeSet)
{
    TestWorkspace ws;
    makeSource(ws);
    ASSERT_TRUE(ws.archiver("wrar", {"a", "-r", "-y", "-v0000b", "c:\\Zavok001\\one.rar"}).ok());
    const QString single = ws.scratch(QStringLiteral("single"));
    const auto r = TestWorkspace::run(UnrarFree, {"-x", "one.rar", single + u'/'}, ws.work());
    ASSERT_TRUE(r.ok()) << r.out.toStdString() << r.err.toStdString();
    QString difference;
    EXPECT_TRUE(TestWorkspace::sameTree(ws.source(), single, &difference)) << difference.toStdString();

    // unrar-free 0.1.3 does not follow a file into the next volume: it fails
    // the same way ("Truncated RAR file data") on sets that RAR itself wrote
    // (libarchive's test sets test_rar_multivolume_*), whatever their names.
    ASSERT_TRUE(ws.archiver("wrar", {"a", "-r", "-y", "-v100000b", "c:\\Zavok001\\game.rar"}).ok());
    ASSERT_TRUE(TestWorkspace::run(SevenZip, {"t", "game.rar"}, ws.work()).ok());
    const QString set = ws.scratch(QStringLiteral("set"));
    const auto spanned = TestWorkspace::run(UnrarFree, {"-x", "game.rar", set + u'/'}, ws.work());
    EXPECT_FALSE(spanned.ok() && TestWorkspace::sameTree(ws.source(), set, &difference))
        << "unrar-free now reads volume sets: check them with it like with 7z";
}

TEST(RarReadersTest, LsarFindsTheVolumesOfASetOnlyByRarsOwnNames)
{
    // Three-digit sets are named game.001, game.002, ...; lsar 1.10 looks
    // for the other volumes only under .rar/.rNN/.sNN and .partN.rar names,
    // so a set that it reads whole under those names fails once renamed.
    TestWorkspace ws;
    makeSource(ws);
    ASSERT_TRUE(ws.archiver("wrar", {"a", "-r", "-y", "-v100000b", "c:\\Zavok001\\game.001"}).ok());
    const QStringList volumes = ws.volumes();
    ASSERT_EQ(volumes, QStringList({"game.001", "game.002", "game.003"}));
    EXPECT_TRUE(TestWorkspace::run(SevenZip, {"t", "game.001"}, ws.work()).ok());

    const QString renamed = ws.scratch(QStringLiteral("renamed"));
    const QStringList rarNames = {"game.rar", "game.r00", "game.r01"};
    for (int i = 0; i < volumes.size(); ++i)
        ASSERT_TRUE(QFile::copy(ws.work() + u'/' + volumes[i], renamed + u'/' + rarNames[i]));
    const auto asRar = TestWorkspace::run(Lsar, {"-t", "game.rar"}, renamed);
    EXPECT_TRUE(asRar.ok()) << asRar.out.toStdString();

    const auto asNumbered = TestWorkspace::run(Lsar, {"-t", "game.001"}, ws.work());
    EXPECT_FALSE(asNumbered.ok()) << "lsar now reads .001 sets: test them with it too";
}

TEST(AceReadersTest, LsarListsNoEntryOfAnyAceArchive)
{
    // lsar 1.10 recognises ACE archives and lists no entry of any, also of a
    // minimal one made by hand (and of archives WinACE wrote), while unace
    // lists and extracts it.
    TestWorkspace ws;
    const QString folder = ws.scratch(QStringLiteral("hand"));
    QFile hand(folder + QStringLiteral("/hand.ace"));
    ASSERT_TRUE(hand.open(QIODevice::WriteOnly));
    hand.write(handMadeAce());
    hand.close();
    const QString out = ws.scratch(QStringLiteral("hand out"));
    ASSERT_TRUE(TestWorkspace::run(Unace, {"x", "-y", folder + QStringLiteral("/hand.ace")}, out).ok());
    QFile extracted(out + QStringLiteral("/a.txt"));
    ASSERT_TRUE(extracted.open(QIODevice::ReadOnly));
    EXPECT_EQ(extracted.readAll(), QByteArray("abc"));

    const auto listed = TestWorkspace::run(Lsar, {"hand.ace"}, folder);
    ASSERT_TRUE(listed.ok());
    EXPECT_TRUE(listed.out.contains(QStringLiteral("Ace")));
    EXPECT_TRUE(lsarEntries(QStringLiteral("hand.ace"), folder).isEmpty()) << "lsar now lists ACE archives";

    makeSource(ws);
    ASSERT_TRUE(ws.archiver("wace", {"a", "-r", "-y", "-v100", "c:\\Zavok001\\game.ace"}).ok());
    EXPECT_TRUE(TestWorkspace::run(Unace, {"t", "-y", "game.ace"}, ws.work()).ok());
    EXPECT_TRUE(lsarEntries(QStringLiteral("game.ace"), ws.work()).isEmpty()) << "lsar now lists ACE archives";
}
