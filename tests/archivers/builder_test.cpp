// The shared machinery without the programs around it: how volumes are cut,
// what the walk hands out, how command lines are read.
#include "testworkspace.h"

#include "aceformat.h"
#include "archivebuilder.h"
#include "commandline.h"
#include "crc32.h"
#include "filewalk.h"
#include "listedfiles.h"
#include "rarformat.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <map>

namespace {

struct RarBlock {
    uint8_t type = 0;
    uint16_t flags = 0;
    uint32_t crc = 0;
    QString name;
    QByteArray data;
};

// Walks a RAR volume block by block, as a reader skips through it.
std::vector<RarBlock> rarBlocks(const QByteArray& v)
{
    std::vector<RarBlock> blocks;
    int pos = 7;
    while (pos + 7 <= v.size()) {
        RarBlock b;
        b.type = uint8_t(v[pos + 2]);
        b.flags = qFromLittleEndian<quint16>(v.constData() + pos + 3);
        const int headerSize = qFromLittleEndian<quint16>(v.constData() + pos + 5);
        const uint32_t added = (b.flags & 0x8000) ? qFromLittleEndian<quint32>(v.constData() + pos + 7) : 0;
        if (b.type == 0x74) {
            b.crc = qFromLittleEndian<quint32>(v.constData() + pos + 16);
            b.name = QString::fromUtf8(v.mid(pos + 32, qFromLittleEndian<quint16>(v.constData() + pos + 26)));
            b.data = v.mid(pos + headerSize, added);
        }
        blocks.push_back(b);
        pos += headerSize + int(added);
    }
    return blocks;
}

struct AceBlock {
    uint8_t type = 0;
    uint16_t flags = 0;
    uint32_t size = 0;
    uint32_t crc = 0;
    uint8_t method = 0;
    uint8_t quality = 0;
    uint16_t parameter = 0;
    QString name;
    QByteArray data;
};

// Walks an ACE volume block by block, as unace skips through it; an empty
// list when the blocks do not add up to the volume.
std::vector<AceBlock> aceBlocks(const QByteArray& v)
{
    std::vector<AceBlock> blocks;
    int pos = 0;
    while (pos + 7 <= v.size()) {
        AceBlock b;
        const int headerSize = qFromLittleEndian<quint16>(v.constData() + pos + 2);
        const char* h = v.constData() + pos + 4;
        b.type = uint8_t(h[0]);
        b.flags = qFromLittleEndian<quint16>(h + 1);
        const uint32_t added = (b.flags & AceFormat::AddSize) ? qFromLittleEndian<quint32>(h + 3) : 0;
        if (b.type == 1) {
            b.size = qFromLittleEndian<quint32>(h + 7);
            b.crc = qFromLittleEndian<quint32>(h + 19);
            b.method = uint8_t(h[23]);
            b.quality = uint8_t(h[24]);
            b.parameter = qFromLittleEndian<quint16>(h + 25);
            b.name = QString::fromUtf8(h + 31, qFromLittleEndian<quint16>(h + 29));
        }
        b.data = v.mid(pos + 4 + headerSize, added);
        blocks.push_back(b);
        pos += 4 + headerSize + int(added);
    }
    if (pos != v.size())
        blocks.clear();
    return blocks;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}


ArchiveBuilder::Progress silent()
{
    return [](const QString&) {};
}

} // namespace

TEST(ArchiveBuilderTest, RarVolumesHaveTheExactSizeAndSplitFilesChainTheirParts)
{
    TestWorkspace ws;
    ws.writeRandomFile(QStringLiteral("a.bin"), 25000, 1);
    ws.writeFile(QStringLiteral("empty.txt"), {});
    ws.makeDir(QStringLiteral("hollow"));
    ws.writeRandomFile(QStringLiteral("z.bin"), 7000, 2);

    RarFormat format;
    const QString first = ws.work() + QStringLiteral("/t.rar");
    ArchiveBuilder builder(format, first, 10000, silent());
    FileWalk walk(ws.source(), true, SkipList());
    ASSERT_TRUE(builder.build(walk, 32000)) << builder.error().toStdString();

    const QStringList volumes = builder.volumes();
    ASSERT_EQ(volumes.size(), 4);
    for (int i = 0; i + 1 < volumes.size(); ++i)
        EXPECT_EQ(QFileInfo(volumes[i]).size(), 10000) << volumes[i].toStdString();
    EXPECT_LE(QFileInfo(volumes.last()).size(), 10000);

    QByteArray joined;
    std::vector<RarBlock> parts;
    for (const QString& v : volumes) {
        const auto blocks = rarBlocks(readAll(v));
        ASSERT_EQ(blocks.front().type, 0x73);
        ASSERT_EQ(blocks.back().type, 0x7B) << "every volume ends in an end block";
        for (const RarBlock& b : blocks)
            if (b.type == 0x74 && b.name == QStringLiteral("a.bin"))
                parts.push_back(b);
    }
    ASSERT_EQ(parts.size(), 3u);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        EXPECT_EQ(bool(parts[i].flags & RarFormat::FileSplitBefore), i > 0);
        EXPECT_EQ(bool(parts[i].flags & RarFormat::FileSplitAfter), !last);
        joined += parts[i].data;
        EXPECT_EQ(parts[i].crc, last ? Crc32::of(joined) : Crc32::of(parts[i].data));
    }
    EXPECT_EQ(joined, readAll(ws.source() + QStringLiteral("/a.bin")));
}

TEST(ArchiveBuilderTest, AceVolumesStayWithinTheSize)
{
    TestWorkspace ws;
    for (int i = 0; i < 20; ++i)
        ws.writeRandomFile(QStringLiteral("f%1.bin").arg(i), 900 + 37 * i, quint32(i));
    AceFormat format;
    ArchiveBuilder builder(format, ws.work() + QStringLiteral("/t.ace"), 3000, silent());
    FileWalk walk(ws.source(), true, SkipList());
    ASSERT_TRUE(builder.build(walk, 0)) << builder.error().toStdString();
    EXPECT_GT(builder.volumes().size(), 5);
    for (const QString& v : builder.volumes())
        EXPECT_LE(QFileInfo(v).size(), 3000);
}

TEST(ArchiveBuilderTest, EveryAceVolumeButTheLastEndsInsideAFile)
{
    TestWorkspace ws;
    for (int i = 0; i < 60; ++i) {
        ws.writeRandomFile(QStringLiteral("d%1/f%2.bin").arg(i / 10).arg(i), i % 7 == 0 ? i % 2 : 20 + i, quint32(i));
        if (i % 9 == 0)
            ws.makeDir(QStringLiteral("d%1/empty%2").arg(i / 10).arg(i));
    }
    AceFormat format;
    ArchiveBuilder builder(format, ws.work() + QStringLiteral("/t.ace"), 700, silent());
    FileWalk walk(ws.source(), true, SkipList());
    ASSERT_TRUE(builder.build(walk, 0)) << builder.error().toStdString();
    const QStringList volumes = builder.volumes();
    ASSERT_GT(volumes.size(), 4);
    for (int i = 0; i + 1 < volumes.size(); ++i) {
        const auto blocks = aceBlocks(readAll(volumes[i]));
        ASSERT_FALSE(blocks.empty()) << volumes[i].toStdString();
        EXPECT_TRUE(blocks.back().flags & AceFormat::FileContinuesIn) << volumes[i].toStdString();
    }
}

TEST(ArchiveBuilderTest, CompressedAceFilesCrossVolumesInPartsAndWhatDoesNotShrinkIsStored)
{
    TestWorkspace ws;
    ws.writeFile(QStringLiteral("manual.txt"), TestWorkspace::proseLike(40000, 5));
    ws.writeRandomFile(QStringLiteral("noise.bin"), 9000, 3);
    ws.writeFile(QStringLiteral("one.txt"), "1");
    ws.writeFile(QStringLiteral("zeros.img"), QByteArray(70000, '\0'));
    ws.writeFile(QStringLiteral("tiny.txt"), "too small to pack: stored");

    AceFormat format(3);
    ArchiveBuilder builder(format, ws.work() + QStringLiteral("/t.ace"), 1500, silent());
    FileWalk walk(ws.source(), true, SkipList());
    ASSERT_TRUE(builder.build(walk, 0)) << builder.error().toStdString();
    const QStringList volumes = builder.volumes();
    ASSERT_GT(volumes.size(), 3);

    std::map<QString, std::vector<AceBlock>> parts;
    for (int i = 0; i < volumes.size(); ++i) {
        EXPECT_LE(QFileInfo(volumes[i]).size(), 1500);
        const auto blocks = aceBlocks(readAll(volumes[i]));
        ASSERT_FALSE(blocks.empty());
        if (i + 1 < volumes.size()) {
            EXPECT_TRUE(blocks.back().flags & AceFormat::FileContinuesIn) << "volume " << i;
        }
        for (const AceBlock& b : blocks)
            if (b.type == 1)
                parts[b.name].push_back(b);
    }

    for (const auto& [name, chain] : parts) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray original = readAll(ws.source() + u'/' + name);
        QByteArray packed;
        for (std::size_t i = 0; i < chain.size(); ++i) {
            const bool last = i + 1 == chain.size();
            EXPECT_EQ(bool(chain[i].flags & AceFormat::FileContinuedFrom), i > 0);
            EXPECT_EQ(bool(chain[i].flags & AceFormat::FileContinuesIn), !last);
            EXPECT_EQ(chain[i].size, uint32_t(original.size()));
            EXPECT_EQ(chain[i].method, chain[0].method) << "every part names the method";
            EXPECT_EQ(chain[i].parameter, chain[0].parameter);
            packed += chain[i].data;
            // A part in the middle vouches for its own bytes, the last for the file.
            EXPECT_EQ(chain[i].crc, last ? Crc32::aceOf(original) : Crc32::aceOf(chain[i].data));
        }
        const bool shrinks = name == QStringLiteral("manual.txt") || name == QStringLiteral("zeros.img");
        EXPECT_EQ(chain[0].method, shrinks ? AceFormat::MethodLz77 : AceFormat::MethodStored);
        if (shrinks) {
            EXPECT_EQ(chain[0].quality, 3);
            EXPECT_LT(packed.size(), original.size() / 2);
            EXPECT_EQ(packed.size() % 4, 0) << "readers fetch whole words";
            // The dictionary is no larger than the file needs, and at most 1 MB.
            EXPECT_LE(1 << (chain[0].parameter + 10), 2 * original.size());
        } else {
            EXPECT_EQ(packed, original);
            EXPECT_EQ(chain[0].quality, 0);
        }
    }
    EXPECT_GT(parts[QStringLiteral("manual.txt")].size(), 1u) << "a compressed file crosses a volume";
}

TEST(ArchiveBuilderTest, PackedDataBeyondWhatAHeaderRecordsFailsRatherThanWrapping)
{
    // As a compressed file of almost 4 GiB in one ACE archive may grow past
    // the 32 bits of its size field.
    struct NarrowAce : AceFormat {
        uint64_t largestPart() const override { return 4000; }
    };
    TestWorkspace ws;
    ws.writeRandomFile(QStringLiteral("grows.bin"), 5000, 9);
    NarrowAce format;
    ArchiveBuilder whole(format, ws.work() + QStringLiteral("/t.ace"), 0, silent());
    FileWalk walk(ws.source(), true, SkipList());
    EXPECT_FALSE(whole.build(walk, 0));
    EXPECT_TRUE(whole.error().contains(QStringLiteral("grows.bin"))) << whole.error().toStdString();
    whole.discard();

    ArchiveBuilder split(format, ws.work() + QStringLiteral("/v.ace"), 3000, silent());
    FileWalk again(ws.source(), true, SkipList());
    EXPECT_TRUE(split.build(again, 0)) << "volumes keep every part small";
}

TEST(ArchiveBuilderTest, TooSmallAVolumeFailsAndLeavesNothingOnceDiscarded)
{
    TestWorkspace ws;
    ws.writeFile(QStringLiteral("a rather long file name for a tiny volume.txt"), "x");
    RarFormat format;
    ArchiveBuilder builder(format, ws.work() + QStringLiteral("/t.rar"), 60, silent());
    FileWalk walk(ws.source(), true, SkipList());
    EXPECT_FALSE(builder.build(walk, 1));
    EXPECT_TRUE(builder.error().contains(QStringLiteral("too small")));
    builder.discard();
    EXPECT_TRUE(ws.volumes().isEmpty());
}

TEST(FileWalkTest, LeavesOutSkippedFoldersAndRootFilesOnly)
{
    TestWorkspace ws;
    ws.writeFile(QStringLiteral("ReadMe.TXT"), "r");
    ws.writeFile(QStringLiteral("docs/readme.txt"), "kept: only the root file is skipped");
    ws.writeFile(QStringLiteral("Extras/x.txt"), "x");
    ws.writeFile(QStringLiteral("docs/extras/y.txt"), "kept too");
    ws.writeFile(QStringLiteral("b.txt"), "b");

    FileWalk walk(ws.source(), true,
                  SkipList::fromLines({QStringLiteral("extras\\*.*"), QStringLiteral("readme.txt"), {}}));
    QStringList seen;
    SourceEntry e;
    while (walk.next(e))
        seen << (e.storedName + (e.isDirectory ? QStringLiteral("\\") : QString()));
    EXPECT_TRUE(walk.error().isEmpty());
    EXPECT_EQ(seen, QStringList({QStringLiteral("b.txt"), QStringLiteral("docs\\"),
                                 QStringLiteral("docs\\extras\\"), QStringLiteral("docs\\extras\\y.txt"),
                                 QStringLiteral("docs\\readme.txt")}));
}

TEST(CommandLineTest, ReadsTheFourFormsOfTheRun)
{
    QString error;
    auto rar = CommandLine::parse(ArchiverKind::Rar,
                                  {"a", "-r", "-y", "-v1440000b", "-m3", "-x@c:\\skip.txt", "c:\\Zavok001\\game.rar"},
                                  &error);
    ASSERT_TRUE(rar) << error.toStdString();
    EXPECT_TRUE(rar->recurse && rar->assumeYes && !rar->namesOnly);
    EXPECT_EQ(rar->volumeSize, 1440000u);
    EXPECT_EQ(rar->level, 3);
    EXPECT_EQ(rar->skipListFiles, QStringList({"c:\\skip.txt"}));
    EXPECT_EQ(rar->archive, QStringLiteral("c:\\Zavok001\\game.rar"));

    auto noSplit = CommandLine::parse(ArchiverKind::Rar, {"a", "-r", "-y", "-v0000b", "-m3", "", "c:\\w\\g.rar"}, &error);
    ASSERT_TRUE(noSplit) << "an empty argument from a doubled blank is tolerated";
    EXPECT_EQ(noSplit->volumeSize, 0u);

    auto image = CommandLine::parse(ArchiverKind::Rar,
                                    {"a", "-ep", "-v5000000b", "-m3", "-y", "c:\\w\\g.rar", "@c:\\app\\rarstop.txt"}, &error);
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->namesOnly);
    EXPECT_EQ(image->listFiles, QStringList({"c:\\app\\rarstop.txt"}));

    auto ace = CommandLine::parse(ArchiverKind::Ace, {"a", "-y", "-ep", "-v1440", "-m3", "c:\\w\\g.ace", "@l.txt"}, &error);
    ASSERT_TRUE(ace);
    EXPECT_EQ(ace->volumeSize, 1440000u) << "ACE counts in thousands of bytes";
    auto aceWhole = CommandLine::parse(ArchiverKind::Ace, {"a", "-r", "-y", "-m3", "c:\\w\\g.ace"}, &error);
    ASSERT_TRUE(aceWhole);
    EXPECT_EQ(aceWhole->volumeSize, 0u);

    auto test = CommandLine::parse(ArchiverKind::Ace, {"T", "c:\\w\\g.ace"}, &error);
    ASSERT_TRUE(test);
    EXPECT_EQ(test->command, ArchiverCommand::Test);
    EXPECT_EQ(test->archive, QStringLiteral("c:\\w\\g.ace"));
    EXPECT_EQ(CommandLine::parse(ArchiverKind::Rar, {"a", "-r", "--help"}, &error)->command, ArchiverCommand::Help);
    EXPECT_EQ(CommandLine::parse(ArchiverKind::Rar, {"--version"}, &error)->command, ArchiverCommand::Version);
}

TEST(CommandLineTest, RejectsWhatItDoesNotKnow)
{
    QString error;
    EXPECT_FALSE(CommandLine::parse(ArchiverKind::Rar, {"a", "-r", "-q", "g.rar"}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("-q")));
    EXPECT_FALSE(CommandLine::parse(ArchiverKind::Rar, {"x", "g.rar"}, &error));
    EXPECT_FALSE(CommandLine::parse(ArchiverKind::Rar, {"a", "-r"}, &error));
    EXPECT_FALSE(CommandLine::parse(ArchiverKind::Rar, {"a", "-m9", "g.rar"}, &error));
    EXPECT_FALSE(CommandLine::parse(ArchiverKind::Ace, {"a", "-v1440b", "g.ace"}, &error));
    EXPECT_FALSE(CommandLine::parse(ArchiverKind::Rar, {"a", "g.rar", "stray.txt"}, &error));
    EXPECT_FALSE(CommandLine::parse(ArchiverKind::Rar, {"t", "g.rar", "h.rar"}, &error));
    EXPECT_FALSE(CommandLine::parse(ArchiverKind::Rar, {"t"}, &error));
}

TEST(ArchiveBuilderTest, TinyRarArchiveHasTheseBytes)
{
    TestWorkspace ws;
    ws.writeFile(QStringLiteral("a.txt"), "abc");
    QFile file(ws.source() + QStringLiteral("/a.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)), QFileDevice::FileModificationTime));
    file.close();

    RarFormat format;
    ArchiveBuilder builder(format, ws.work() + QStringLiteral("/t.rar"), 0, silent());
    ListedFiles source({{file.fileName(), QStringLiteral("a.txt")}});
    ASSERT_TRUE(builder.build(source, 3));

    // Marker, main header and end block are the constant ones every RAR 2.9+
    // archive without volumes starts and ends with.
    const QByteArray expected = QByteArray::fromHex(
        "526172211a0700" "cf907300000d00000000000000"
        "26147400802500" "03000000" "03000000" "02" "c2412435" "a320432a" "14" "30" "0500" "20000000"
        "612e747874" "616263"
        "c43d7b00400700");
    EXPECT_EQ(readAll(builder.volumes().value(0)).toHex().toStdString(), expected.toHex().toStdString());
}
