// wrar and wace as the rip runs them, judged by extractors that share no code
// with them: 7z and lsar for RAR sets, unace 1.2 for ACE sets.
#include "testworkspace.h"

#include "crc32.h"

#include "platform/drivemap.h"
#include "platform/textfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString SevenZip = QStringLiteral("7z");
const QString Lsar = QStringLiteral("lsar");
const QString Unace = QStringLiteral("unace");

// The awkward cases of a real source in one tree: a file large enough to
// straddle several volumes, empty files and folders, blanks and non-ASCII
// names, plus a folder and a root file that the skip list leaves out.
void makeTree(const TestWorkspace& ws)
{
    ws.writeRandomFile(QStringLiteral("game/data.bin"), 300000, 7);
    ws.writeRandomFile(QStringLiteral("game/sound/with blank.wav"), 40000, 8);
    ws.writeFile(QStringLiteral("game/café ünï €.txt"), "accents");
    ws.writeFile(QStringLiteral("empty.txt"), {});
    ws.makeDir(QStringLiteral("saves/none yet"));
    ws.writeFile(QStringLiteral("setup.exe"), "MZ");
    ws.writeFile(QStringLiteral("extras/trailer.avi"), "skipped");
    ws.writeFile(QStringLiteral("readme.txt"), "skipped");
    TextFile::writeLines(ws.home() + QStringLiteral("/drive_c/skip.txt"),
                         {QStringLiteral("extras\\*.*"), QStringLiteral("readme.txt")});
}

// The source as the archive should hold it.
void dropSkipped(const TestWorkspace& ws)
{
    QDir(ws.source() + QStringLiteral("/extras")).removeRecursively();
    QFile::remove(ws.source() + QStringLiteral("/readme.txt"));
}

void flipByte(const QString& path, qint64 at)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(at);
    char c = 0;
    f.getChar(&c);
    f.seek(at);
    f.putChar(char(c ^ 0x5A));
}

QString volume(const TestWorkspace& ws, const QString& name)
{
    return ws.work() + u'/' + name;
}

TestWorkspace::Result unace(const QString& command, const QString& archive, const QString& cwd)
{
    return TestWorkspace::run(Unace, {command, QStringLiteral("-y"), archive}, cwd);
}

// Qt cannot name these files; the system's own calls can.
void writeByBytes(const QString& folder, const QByteArray& relative, const QByteArray& bytes)
{
    const QByteArray path = QFile::encodeName(folder) + '/' + relative;
    const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path.toStdString();
    ASSERT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
    ::close(fd);
}

// What a compressor meets in a real source: prose, noise, zeros, the sizes 0
// and 1, many small files, and a file larger than any dictionary whose
// repeats lie 400 KB apart, which only a large window finds.
qint64 makeCompressibleTree(const TestWorkspace& ws)
{
    ws.writeFile(QStringLiteral("docs/manual.txt"), TestWorkspace::proseLike(300000, 1));
    ws.writeRandomFile(QStringLiteral("data/noise.bin"), 150000, 2);
    ws.writeFile(QStringLiteral("data/zeros.img"), QByteArray(800000, '\0'));
    ws.writeFile(QStringLiteral("empty.txt"), {});
    ws.writeFile(QStringLiteral("one.txt"), "1");
    QRandomGenerator random(3);
    QByteArray block(400000, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
    ws.writeFile(QStringLiteral("data/far repeats.dat"), block.repeated(6));
    qint64 total = 300000 + 150000 + 800000 + 1 + 6 * block.size();
    for (int i = 0; i < 120; ++i) {
        const QByteArray small = TestWorkspace::proseLike(i * 37 % 3000, quint32(i));
        ws.writeFile(QStringLiteral("small/f%1.txt").arg(i), small);
        total += small.size();
    }
    return total;
}

qint64 setSize(const TestWorkspace& ws, const QString& stem)
{
    qint64 total = 0;
    for (const QString& n : ws.volumes())
        if (n.startsWith(stem + u'.'))
            total += QFileInfo(volume(ws, n)).size();
    return total;
}

} // namespace

TEST(WrarTest, MultiVolumeSetExtractsIdenticallyWith7zAndLsar)
{
    TestWorkspace ws;
    makeTree(ws);
    const auto r = ws.archiver(QStringLiteral("wrar"),
                               {"a", "-r", "-y", "-v100000b", "-m3", "-x@c:\\skip.txt", "c:\\Zavok001\\game.rar"});
    ASSERT_TRUE(r.ok()) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("stored"))) << "says once that it only stores";
    EXPECT_TRUE(r.out.contains(QStringLiteral("Creating game.r01")));

    const QStringList names = ws.volumes();
    ASSERT_EQ(names, QStringList({"game.r00", "game.r01", "game.r02", "game.rar"}));
    for (const QString& n : QStringList({"game.rar", "game.r00", "game.r01"}))
        EXPECT_EQ(QFileInfo(volume(ws, n)).size(), 100000) << n.toStdString();
    EXPECT_LT(QFileInfo(volume(ws, "game.r02")).size(), 100000);

    EXPECT_TRUE(TestWorkspace::run(SevenZip, {"t", "game.rar"}, ws.work()).ok());
    const auto listed = TestWorkspace::run(Lsar, {"-t", "game.rar"}, ws.work());
    EXPECT_TRUE(listed.ok()) << listed.out.toStdString();

    const QString out = ws.scratch(QStringLiteral("x"));
    ASSERT_TRUE(TestWorkspace::run(SevenZip, {"x", "-o" + out, volume(ws, "game.rar")}, ws.work()).ok());
    EXPECT_FALSE(QFileInfo::exists(out + QStringLiteral("/extras")));
    dropSkipped(ws);
    QString difference;
    EXPECT_TRUE(TestWorkspace::sameTree(ws.source(), out, &difference)) << difference.toStdString();
}

TEST(WrarTest, ThreeDigitNamesAndSingleArchivesExtractWith7z)
{
    TestWorkspace ws;
    makeTree(ws);
    dropSkipped(ws);
    ASSERT_TRUE(ws.archiver("wrar", {"a", "-r", "-y", "-v150000b", "-m0", "c:\\Zavok001\\game.001"}).ok());
    EXPECT_EQ(ws.volumes(), QStringList({"game.001", "game.002", "game.003"}));
    const QString out = ws.scratch(QStringLiteral("x3"));
    ASSERT_TRUE(TestWorkspace::run(SevenZip, {"x", "-o" + out, "game.001"}, ws.work()).ok());
    QString difference;
    EXPECT_TRUE(TestWorkspace::sameTree(ws.source(), out, &difference)) << difference.toStdString();

    ASSERT_TRUE(ws.archiver("wrar", {"a", "-r", "-y", "-v0000b", "-m3", "c:\\Zavok001\\one.rar"}).ok());
    EXPECT_TRUE(QFileInfo(volume(ws, "one.rar")).size() > 340000);
    EXPECT_FALSE(QFileInfo::exists(volume(ws, "one.r00")));
    const QString single = ws.scratch(QStringLiteral("x1"));
    ASSERT_TRUE(TestWorkspace::run(SevenZip, {"x", "-o" + single, "one.rar"}, ws.work()).ok());
    EXPECT_TRUE(TestWorkspace::sameTree(ws.source(), single, &difference)) << difference.toStdString();
    EXPECT_TRUE(TestWorkspace::run(Lsar, {"-t", "one.rar"}, ws.work()).ok());
}

TEST(WrarTest, LongSetsContinueAfterR99AndDamageIsCaught)
{
    TestWorkspace ws;
    ws.writeRandomFile(QStringLiteral("disc.bin"), 2100000, 3);
    ASSERT_TRUE(ws.archiver("wrar", {"a", "-r", "-y", "-v20000b", "-m3", "c:\\Zavok001\\game.rar"}).ok());
    EXPECT_GT(ws.volumes().size(), 102);
    EXPECT_TRUE(QFileInfo::exists(volume(ws, "game.s00")));
    EXPECT_TRUE(TestWorkspace::run(SevenZip, {"t", "game.rar"}, ws.work()).ok());
    EXPECT_TRUE(TestWorkspace::run(Lsar, {"-t", "game.rar"}, ws.work()).ok());

    flipByte(volume(ws, "game.r50"), 10000);
    EXPECT_FALSE(TestWorkspace::run(SevenZip, {"t", "game.rar"}, ws.work()).ok());
    EXPECT_FALSE(TestWorkspace::run(Lsar, {"-t", "game.rar"}, ws.work()).ok());
    flipByte(volume(ws, "game.r50"), 10000);

    ASSERT_TRUE(QFile::remove(volume(ws, "game.s00")));
    EXPECT_FALSE(TestWorkspace::run(SevenZip, {"t", "game.rar"}, ws.work()).ok());
    EXPECT_FALSE(TestWorkspace::run(Lsar, {"-t", "game.rar"}, ws.work()).ok());
}

TEST(WaceTest, MultiVolumeSetExtractsIdenticallyWithUnace)
{
    TestWorkspace ws;
    makeTree(ws);
    const auto r = ws.archiver("wace", {"a", "-r", "-y", "-v100", "-m3", "-x@c:\\skip.txt", "c:\\Zavok001\\game.ace"});
    ASSERT_TRUE(r.ok()) << r.err.toStdString();
    EXPECT_EQ(ws.volumes(), QStringList({"game.ace", "game.c00", "game.c01", "game.c02"}));
    for (const QString& n : ws.volumes())
        EXPECT_LE(QFileInfo(volume(ws, n)).size(), 100000);

    EXPECT_TRUE(unace("t", "game.ace", ws.work()).ok());
    const QString out = ws.scratch(QStringLiteral("x"));
    ASSERT_TRUE(unace("x", volume(ws, "game.ace"), out).ok());
    dropSkipped(ws);
    QString difference;
    EXPECT_TRUE(TestWorkspace::sameTree(ws.source(), out, &difference)) << difference.toStdString();
}

TEST(WaceTest, ManySmallFilesAndFoldersCrossVolumesWhole)
{
    TestWorkspace ws;
    for (int i = 0; i < 300; ++i)
        ws.writeRandomFile(QStringLiteral("d%1/f%2.txt").arg(i / 25).arg(i), i % 45, quint32(i));
    ws.makeDir(QStringLiteral("d3/nothing here"));
    for (const QString& program : {QStringLiteral("wace"), QStringLiteral("wrar")}) {
        const bool ace = program == QStringLiteral("wace");
        const QString archive = ace ? QStringLiteral("c:\\Zavok001\\small.ace") : QStringLiteral("c:\\Zavok001\\small.rar");
        const auto r = ws.archiver(program, {"a", "-r", "-y", ace ? "-v3" : "-v3000b", "-m3", archive});
        ASSERT_TRUE(r.ok()) << r.err.toStdString();
        const QString out = ws.scratch(program);
        const QString first = ws.work() + (ace ? QStringLiteral("/small.ace") : QStringLiteral("/small.rar"));
        if (ace)
            ASSERT_TRUE(unace("x", first, out).ok());
        else
            ASSERT_TRUE(TestWorkspace::run(SevenZip, {"x", "-o" + out, first}, out).ok());
        QString difference;
        EXPECT_TRUE(TestWorkspace::sameTree(ws.source(), out, &difference)) << difference.toStdString();
    }
    EXPECT_GT(ws.volumes().size(), 10);
}

TEST(WaceTest, LongSetsGoOnAfterC99AndDamageIsCaught)
{
    TestWorkspace ws;
    ws.writeRandomFile(QStringLiteral("disc.bin"), 2100000, 4);
    ASSERT_TRUE(ws.archiver("wace", {"a", "-r", "-y", "-v20", "-m3", "c:\\Zavok001\\game.ace"}).ok());
    EXPECT_TRUE(QFileInfo::exists(volume(ws, "game.c99")));
    EXPECT_TRUE(QFileInfo::exists(volume(ws, "game.101")));
    EXPECT_TRUE(unace("t", "game.ace", ws.work()).ok());

    flipByte(volume(ws, "game.c50"), 10000);
    EXPECT_FALSE(unace("t", "game.ace", ws.work()).ok());
    flipByte(volume(ws, "game.c50"), 10000);
    ASSERT_TRUE(QFile::remove(volume(ws, "game.100")));
    const auto missing = unace("t", "game.ace", ws.work());
    EXPECT_TRUE(missing.finished) << "must not wait for the missing volume";
    EXPECT_NE(missing.exitCode, 0);
}

TEST(WaceCompressionTest, EveryLevelGivesTheTreeBackThroughUnace)
{
    TestWorkspace ws;
    const qint64 source = makeCompressibleTree(ws);
    std::map<int, qint64> sizes;
    for (int level = 1; level <= 5; ++level) {
        SCOPED_TRACE(level);
        const QString name = QStringLiteral("m%1").arg(level);
        const auto r = ws.archiver("wace", {"a", "-r", "-y", QStringLiteral("-m%1").arg(level),
                                            "c:\\Zavok001\\" + name + ".ace"});
        ASSERT_TRUE(r.ok()) << r.err.toStdString();
        EXPECT_FALSE(r.out.contains(QStringLiteral("stored"))) << r.out.toStdString();
        sizes[level] = setSize(ws, name);

        const auto tested = unace("t", name + ".ace", ws.work());
        EXPECT_TRUE(tested.ok()) << tested.out.toStdString();
        EXPECT_FALSE(tested.out.contains(QStringLiteral("CRC-check error")));
        const QString out = ws.scratch(name);
        ASSERT_TRUE(unace("x", volume(ws, name + ".ace"), out).ok());
        QString difference;
        EXPECT_TRUE(TestWorkspace::sameTree(ws.source(), out, &difference)) << difference.toStdString();
    }
    EXPECT_LT(sizes[1], source * 3 / 4);
    EXPECT_LT(sizes[3], source / 4) << "the far repeats are found from -m3 on";
    EXPECT_LE(sizes[5], sizes[3]);
}

TEST(WaceCompressionTest, CompressedVolumesKeepTheirSizeGiveTheTreeBackAndShowDamage)
{
    TestWorkspace ws;
    makeCompressibleTree(ws);
    ASSERT_TRUE(ws.archiver("wace", {"a", "-r", "-y", "-v200", "-m0", "c:\\Zavok001\\stored.ace"}).ok());
    const auto r = ws.archiver("wace", {"a", "-r", "-y", "-v200", "-m3", "c:\\Zavok001\\game.ace"});
    ASSERT_TRUE(r.ok()) << r.err.toStdString();

    QStringList volumes;
    for (const QString& n : ws.volumes())
        if (n.startsWith(QStringLiteral("game.")))
            volumes << n;
    ASSERT_GE(volumes.size(), 3);
    for (const QString& n : volumes)
        EXPECT_LE(QFileInfo(volume(ws, n)).size(), 200000) << n.toStdString();
    EXPECT_LT(volumes.size() * 3, ws.volumes().size() - volumes.size()) << "a third of the stored set's volumes";

    EXPECT_TRUE(unace("t", "game.ace", ws.work()).ok());
    const QString out = ws.scratch(QStringLiteral("x"));
    ASSERT_TRUE(unace("x", volume(ws, "game.ace"), out).ok());
    QString difference;
    EXPECT_TRUE(TestWorkspace::sameTree(ws.source(), out, &difference)) << difference.toStdString();

    const QString middle = volume(ws, QStringLiteral("game.c00"));
    flipByte(middle, QFileInfo(middle).size() / 2);
    const auto damaged = unace("t", "game.ace", ws.work());
    EXPECT_TRUE(damaged.finished);
    EXPECT_NE(damaged.exitCode, 0) << damaged.out.toStdString();
}

TEST(ImageSourceTest, ListedFilesAreStoredUnderTheirNamesOnly)
{
    TestWorkspace ws;
    const QString images = ws.scratch(QStringLiteral("cd images"));
    ASSERT_TRUE(DriveMap(ws.home()).mapDrive(u'd', images));
    QFile cue(images + QStringLiteral("/Game.cue"));
    ASSERT_TRUE(cue.open(QIODevice::WriteOnly));
    cue.write("FILE \"game.bin\" BINARY\r\n");
    cue.close();
    {
        QFile bin(images + QStringLiteral("/Game.bin"));
        ASSERT_TRUE(bin.open(QIODevice::WriteOnly));
        bin.write(QByteArray(120000, 'b'));
    }
    const QString list = ws.home() + QStringLiteral("/rarstop.txt");
    ASSERT_TRUE(TextFile::writeLines(list, {QStringLiteral("d:\\game.cue"), QStringLiteral("d:\\game.bin")}));
    const QString listDos = *DriveMap(ws.home()).toDos(list);
    const QString bin = TestWorkspace::binaryDir();

    auto r = TestWorkspace::run(bin + "/wrar", {"a", "-ep", "-v50000b", "-m3", "-y", "c:\\Zavok001\\game.rar", "@" + listDos}, images);
    ASSERT_TRUE(r.ok()) << r.err.toStdString();
    const QString out = ws.scratch(QStringLiteral("xr"));
    ASSERT_TRUE(TestWorkspace::run(SevenZip, {"x", "-o" + out, volume(ws, "game.rar")}, out).ok());
    EXPECT_EQ(QDir(out).entryList(QDir::Files, QDir::Name), QStringList({"Game.bin", "Game.cue"}));
    EXPECT_EQ(QFileInfo(out + "/Game.bin").size(), 120000);

    r = TestWorkspace::run(bin + "/wace", {"a", "-y", "-ep", "-v50", "-m3", "c:\\Zavok001\\game.ace", "@" + listDos}, images);
    ASSERT_TRUE(r.ok()) << r.err.toStdString();
    const QString outAce = ws.scratch(QStringLiteral("xa"));
    ASSERT_TRUE(unace("x", volume(ws, "game.ace"), outAce).ok());
    QString difference;
    EXPECT_TRUE(TestWorkspace::sameTree(images, outAce, &difference)) << difference.toStdString();
}

// A list file's paths name the files, never where an extractor puts them:
// ".." inside a path must not lead out of the extraction folder.
TEST(ImageSourceTest, ListedPathsWithDotsAreStoredBelowTheTop)
{
    TestWorkspace ws;
    const QString images = ws.scratch(QStringLiteral("cd images"));
    ASSERT_TRUE(DriveMap(ws.home()).mapDrive(u'd', images));
    ASSERT_TRUE(QDir(images).mkpath(QStringLiteral("sub")));
    for (const QString& name : {QStringLiteral("Game.cue"), QStringLiteral("sub/Game.bin")}) {
        QFile f(images + u'/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("data");
    }
    const QString list = ws.home() + QStringLiteral("/rarstop.txt");
    ASSERT_TRUE(TextFile::writeLines(list, {QStringLiteral("d:\\sub\\..\\..\\game.cue"),
                                            QStringLiteral("../../cd images/./sub/Game.bin")}));
    const QString listDos = *DriveMap(ws.home()).toDos(list);
    const auto r = TestWorkspace::run(TestWorkspace::binaryDir() + "/wrar",
                                      {"a", "-y", "c:\\Zavok001\\game.rar", "@" + listDos}, images + "/sub");
    ASSERT_TRUE(r.ok()) << r.err.toStdString();

    const auto listed = TestWorkspace::run(SevenZip, {"l", "-slt", volume(ws, "game.rar")}, ws.work());
    ASSERT_TRUE(listed.ok());
    QStringList stored;
    for (const QString& line : listed.out.split(u'\n'))
        if (line.startsWith(QLatin1String("Path = ")) && !line.contains(QLatin1String("game.rar")))
            stored << line.mid(7).trimmed();
    EXPECT_EQ(stored.join(u'|').toStdString(), "game.cue|cd images/sub/Game.bin");
}

TEST(WholeDriveTest, TheSetBeingWrittenIsNotPartOfItsOwnSource)
{
    // A whole drive as the source holds the work folder too.
    TestWorkspace ws;
    const QString drive = ws.home() + QStringLiteral("/drive_c");
    QFile data(drive + QStringLiteral("/data.bin"));
    ASSERT_TRUE(data.open(QIODevice::WriteOnly));
    data.write(QByteArray(50000, 'd'));
    data.close();
    const QString bin = TestWorkspace::binaryDir();
    ASSERT_TRUE(TestWorkspace::run(bin + "/wace", {"a", "-r", "-y", "-v20", "c:\\Zavok001\\game.ace"}, drive).ok());
    ASSERT_TRUE(TestWorkspace::run(bin + "/wrar", {"a", "-r", "-y", "-v20000b", "c:\\Zavok001\\game.rar"}, drive).ok());

    const auto listed = TestWorkspace::run(SevenZip, {"l", "-ba", "game.rar"}, ws.work());
    ASSERT_TRUE(listed.ok());
    EXPECT_TRUE(listed.out.contains(QStringLiteral("data.bin")));
    EXPECT_FALSE(listed.out.contains(QStringLiteral("game.r"))) << listed.out.toStdString();
    EXPECT_TRUE(listed.out.contains(QStringLiteral("game.c00"))) << "another set is ordinary data";
}

TEST(FailureTest, BadCallsSayWhyAndLeaveNoVolumes)
{
    TestWorkspace ws;
    ws.writeFile(QStringLiteral("a.txt"), "a");

    auto r = ws.archiver("wrar", {"a", "-r", "-y", "-k", "c:\\Zavok001\\game.rar"});
    EXPECT_EQ(r.exitCode, 7);
    EXPECT_TRUE(r.err.contains(QStringLiteral("unknown switch -k")));

    r = ws.archiver("wace", {"a", "-r", "-y", "-x@c:\\missing.txt", "c:\\Zavok001\\game.ace"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("missing.txt")));

    const QString list = ws.home() + QStringLiteral("/drive_c/list.txt");
    TextFile::writeLines(list, {QStringLiteral("c:\\nowhere\\image.bin")});
    r = ws.archiver("wrar", {"a", "-ep", "-y", "c:\\Zavok001\\game.rar", "@c:\\list.txt"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("image.bin")));

    r = ws.archiver("wrar", {"a", "-r", "-y", "c:\\no such folder\\game.rar"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(ws.volumes().isEmpty());
}

TEST(NameTest, NamesThatAreNotUtf8ComeBackUnderTheirWindows1252Reading)
{
    TestWorkspace ws;
    ws.writeFile(QStringLiteral("plain.txt"), "plain");
    writeByBytes(ws.source(), "l\xe9gacy.txt", "legacy bytes");
    ASSERT_EQ(::mkdir((QFile::encodeName(ws.source()) + "/dir\xe9").constData(), 0755), 0);
    writeByBytes(ws.source(), "dir\xe9/in.txt", "inside");
    writeByBytes(ws.source(), "\x80uro \x81.txt", "euro");
    // What the set's readers make of it: the same bytes under these names.
    const QString want = ws.scratch(QStringLiteral("want"));
    for (const auto& [name, bytes] : std::initializer_list<std::pair<QString, QByteArray>>{
             {QStringLiteral("plain.txt"), "plain"},
             {QStringLiteral("l\u00e9gacy.txt"), "legacy bytes"},
             {QStringLiteral("dir\u00e9/in.txt"), "inside"},
             {QStringLiteral("\u20acuro \u0081.txt"), "euro"}}) {
        QDir().mkpath(QFileInfo(want + u'/' + name).path());
        QFile f(want + u'/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    for (const QString& program : {QStringLiteral("wrar"), QStringLiteral("wace")}) {
        SCOPED_TRACE(program.toStdString());
        const bool ace = program == QStringLiteral("wace");
        QDir(ws.work()).removeRecursively();
        QDir().mkpath(ws.work());
        const auto r = ws.archiver(program, {"a", "-r", "-y", ace ? "-v100" : "-v100000b", "-m3",
                                             ace ? "c:\\Zavok001\\game.ace" : "c:\\Zavok001\\game.rar"});
        ASSERT_TRUE(r.ok()) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("the name l\\xE9gacy.txt is not UTF-8: stored as l\u00e9gacy.txt")))
            << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("dir\\xE9"))) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(QStringLiteral("in.txt"))) << "a name that is UTF-8 is not warned about";

        const QString out = ws.scratch(program);
        if (ace)
            ASSERT_TRUE(unace("x", ws.work() + QStringLiteral("/game.ace"), out).ok());
        else
            ASSERT_TRUE(TestWorkspace::run(SevenZip, {"x", "-o" + out, ws.work() + QStringLiteral("/game.rar")}, out).ok());
        QString difference;
        EXPECT_TRUE(TestWorkspace::sameTree(want, out, &difference)) << difference.toStdString();
    }
}

TEST(NameTest, NamesTheReadersTakeForOneAreBothStoredAndWorkingFilesAreNot)
{
    TestWorkspace ws;
    // Source bytes of a name, the name it comes back under, its content.
    struct Case {
        QByteArray native;
        QString stored;
    };
    const QList<Case> cases = {
        {"caf\xc3\xa9.txt", QStringLiteral("caf\u00e9.txt")},
        {"caf\xe9.txt", QStringLiteral("caf%E9.txt")}, // Latin-1 bytes of the same name
        {"README.TXT", QStringLiteral("README.TXT")},
        // One name where case does not count; the new name is taken by no other.
        {"Readme.txt", QStringLiteral("Readme (3).txt")},
        {"Readme (2).txt", QStringLiteral("Readme (2).txt")},
        {".game.zavok32-lock", QString()}, // the program's own working files
        {"game01.zip.unfinished-a1B2c3", QString()},
        {"game.vol0+1.par2.partial", QString()},
    };
    const QString want = ws.scratch(QStringLiteral("want"));
    for (const Case& c : cases) {
        writeByBytes(ws.source(), c.native, "bytes of " + c.native);
        if (c.stored.isEmpty())
            continue;
        QFile f(want + u'/' + c.stored);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("bytes of " + c.native);
    }
    for (const QString& program : {QStringLiteral("wrar"), QStringLiteral("wace")}) {
        SCOPED_TRACE(program.toStdString());
        const bool ace = program == QStringLiteral("wace");
        QDir(ws.work()).removeRecursively();
        QDir().mkpath(ws.work());
        const auto r = ws.archiver(program, {"a", "-r", "-y", ace ? "c:\\Zavok001\\game.ace" : "c:\\Zavok001\\game.rar"});
        ASSERT_TRUE(r.ok()) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("the names caf\u00e9.txt and caf\\xE9.txt in %1 are one name to the "
                                                  "readers of the set: caf\\xE9.txt is stored as caf%E9.txt").arg(ws.source())))
            << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("left out .game.zavok32-lock"))) << r.err.toStdString();

        const QString out = ws.scratch(program);
        if (ace)
            ASSERT_TRUE(unace("x", ws.work() + QStringLiteral("/game.ace"), out).ok());
        else
            ASSERT_TRUE(TestWorkspace::run(SevenZip, {"x", "-o" + out, ws.work() + QStringLiteral("/game.rar")}, out).ok());
        QString difference;
        EXPECT_TRUE(TestWorkspace::sameTree(want, out, &difference)) << difference.toStdString();
    }
}

TEST(NameTest, SpecialFilesAndBrokenLinksAreLeftOutWithAWarning)
{
    TestWorkspace ws;
    ws.writeFile(QStringLiteral("a.txt"), "a");
    ASSERT_EQ(::mkfifo((QFile::encodeName(ws.source()) + "/pipe").constData(), 0644), 0);
    QFile::link(ws.source() + QStringLiteral("/gone"), ws.source() + QStringLiteral("/broken"));
    auto r = ws.archiver("wrar", {"a", "-r", "-y", "c:\\Zavok001\\game.rar"});
    ASSERT_TRUE(r.ok()) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("skipped special file pipe"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("skipped broken link broken"))) << r.err.toStdString();
}

TEST(NameTest, AFolderThatCannotBeReadFailsTheArchiverWithItsName)
{
    TestWorkspace ws;
    ws.writeFile(QStringLiteral("a.txt"), "a");
    ws.writeFile(QStringLiteral("locked/secret.txt"), "s");
    QFile::setPermissions(ws.source() + QStringLiteral("/locked"), QFileDevice::WriteOwner);
    if (::access(QFile::encodeName(ws.source() + QStringLiteral("/locked")).constData(), R_OK) == 0)
        GTEST_SKIP() << "running as a user who reads every folder";
    const auto r = ws.archiver("wace", {"a", "-r", "-y", "c:\\Zavok001\\game.ace"});
    QFile::setPermissions(ws.source() + QStringLiteral("/locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("locked"))) << r.err.toStdString();
    EXPECT_TRUE(ws.volumes().isEmpty());
}

TEST(TestCommandTest, SoundDamagedAndIncompleteSetsGetTheirLinesAndStatus)
{
    TestWorkspace ws;
    makeTree(ws);
    for (const QString& program : {QStringLiteral("wrar"), QStringLiteral("wace")}) {
        SCOPED_TRACE(program.toStdString());
        const bool ace = program == QStringLiteral("wace");
        const QString first = ace ? QStringLiteral("game.ace") : QStringLiteral("game.rar");
        const QString middle = ace ? QStringLiteral("game.c00") : QStringLiteral("game.r00");
        const QString last = ace ? QStringLiteral("game.c02") : QStringLiteral("game.r02");
        ASSERT_TRUE(ws.archiver(program, {"a", "-r", "-y", ace ? "-v100" : "-v100000b", "-m3", "c:\\Zavok001\\" + first}).ok());

        auto r = ws.archiver(program, {"t", "c:\\Zavok001\\" + first});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains("Testing " + last));
        const QString setupCrc = QStringLiteral("%1").arg(Crc32::of("MZ"), 8, 16, QLatin1Char('0')).toUpper();
        EXPECT_TRUE(r.out.contains(QStringLiteral("  OK                2  ") + setupCrc + QStringLiteral("  setup.exe")));
        EXPECT_TRUE(r.out.contains(QStringLiteral("folder  saves\\none yet\\")));
        EXPECT_TRUE(r.out.contains(QStringLiteral("The set is sound: 4 volumes, 7 files, 5 folders, 340,023 bytes.")))
            << r.out.toStdString();

        flipByte(volume(ws, middle), 50000);
        r = ws.archiver(program, {"t", "c:\\Zavok001\\" + first});
        EXPECT_EQ(r.exitCode, 3);
        EXPECT_TRUE(r.out.contains(QStringLiteral("  BAD         300,000  "))) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(program + ": " + middle + QStringLiteral(": game\\data.bin: data CRC error")))
            << r.err.toStdString();
        flipByte(volume(ws, middle), 50000);

        ASSERT_TRUE(QFile::rename(volume(ws, last), volume(ws, QStringLiteral("elsewhere"))));
        r = ws.archiver(program, {"t", "c:\\Zavok001\\" + first});
        EXPECT_EQ(r.exitCode, 3);
        EXPECT_TRUE(r.err.contains(last + QStringLiteral(": ")) && r.err.contains(QStringLiteral("missing volume")))
            << r.err.toStdString();
        QFile::remove(volume(ws, QStringLiteral("elsewhere")));

        r = ws.archiver(program, {"t", "c:\\Zavok001\\none"});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(QStringLiteral("cannot open c:\\Zavok001\\none.")));
        for (const QString& help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            r = ws.archiver(program, {help});
            EXPECT_EQ(r.exitCode, 0);
            EXPECT_TRUE(r.out.contains(program + QStringLiteral(" t <archive>")) && r.out.contains(QStringLiteral("-x@<skip file>")));
        }
        r = ws.archiver(program, {"--version"});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.out.startsWith(program + QStringLiteral(" (Zavok32) "))) << r.out.toStdString();
        EXPECT_EQ(ws.archiver(program, {"x", "game"}).exitCode, 7);
        EXPECT_EQ(ws.archiver(program, {"t", "-y", "game"}).exitCode, 7);
    }
}
