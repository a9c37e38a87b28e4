#include "doubles/temphome.h"
#include "platform/libzipcomponent.h"
#include "platform/wholefiledeflate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace {

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

QByteArray textBytes(qsizetype size)
{
    QByteArray text;
    for (int line = 0; text.size() < size; ++line)
        text += "Line " + QByteArray::number(line) + " of a description that packs well.\r\n";
    return text.left(size);
}

struct Run {
    int exitCode = -1;
    QByteArray out;
};

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput()};
}

bool unzipTestPasses(const QString& zipHost)
{
    return run(QStringLiteral("unzip"), {QStringLiteral("-tqq"), zipHost}).exitCode == 0;
}

QStringList namesIn(const QString& zipHost)
{
    return QString::fromUtf8(run(QStringLiteral("unzip"), {QStringLiteral("-Z1"), zipHost}).out)
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QByteArray contentOf(const QString& zipHost, const QString& name)
{
    return run(QStringLiteral("unzip"), {QStringLiteral("-p"), zipHost, name}).out;
}

// "stor", "defN", "defX", ... for every entry, from zipinfo's listing.
QStringList methodsIn(const QString& zipHost)
{
    QStringList methods;
    const QString listing = QString::fromUtf8(run(QStringLiteral("zipinfo"), {zipHost}).out);
    for (const QString& line : listing.split(QLatin1Char('\n'))) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() >= 9 && (fields[0].startsWith(QLatin1Char('-')) || fields[0].startsWith(QLatin1Char('d'))))
            methods << fields[5];
    }
    return methods;
}

// The comment as the file holds it: the last field of the end record.
QByteArray commentOf(const QString& zipHost)
{
    QFile file(zipHost);
    file.open(QIODevice::ReadOnly);
    const QByteArray all = file.readAll();
    const qsizetype at = all.lastIndexOf("PK\x05\x06");
    if (at < 0 || at + 22 > all.size())
        return "<no end record>";
    const int length = uchar(all[at + 20]) | (uchar(all[at + 21]) << 8);
    return all.mid(at + 22, length);
}

// Bytes this process has read so far (any thread); -1 when the kernel does
// not count them.
qint64 bytesReadByProcess()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

QByteArray readHost(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

class ZipComponentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        d = t.addDrive(QLatin1Char('d'));
        QDir().mkpath(d + "/out");
        previousDir = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(previousDir); }

    QString put(const QString& dos, const QByteArray& bytes)
    {
        t.write(dos, bytes);
        return t.host(dos);
    }
    int addTo(const QString& target, const QString& list)
    {
        zip.setTarget(target);
        zip.setFileList(list);
        return zip.add();
    }
    QStringList leftoversIn(const QString& dos) const
    {
        return QDir(t.host(dos)).entryList(QDir::Files | QDir::Hidden);
    }

    TempHome t;
    QString d;
    QString previousDir;
    LibzipComponent zip{t.drives};
};

} // namespace

TEST_F(ZipComponentTest, NewZipHoldsTheListedFilesUnderPlainNamesWithCommentAndEvents)
{
    const QByteArray small = "small file\r\n";
    const QByteArray big = randomBytes(300000, 7);
    put("d:\\src\\a.txt", small);
    put("d:\\src\\Big.BIN", big);

    QStringList adding;
    QList<int> statuses;
    int passes = 0;
    zip.onAdding = [&](const QString& name) { adding << name; };
    zip.onStatus = [&](int percent) { statuses << percent; };
    zip.processPendingEvents = [&] { ++passes; };
    zip.setComment("Greetings from the set\r\n");

    ASSERT_EQ(addTo("d:\\out\\set01", "d:\\src\\a.txt\rd:\\src\\big.bin\r"), 0) << zip.lastError().toStdString();
    const QString zipHost = d + "/out/set01.zip";
    ASSERT_TRUE(QFileInfo::exists(zipHost));
    EXPECT_TRUE(unzipTestPasses(zipHost));
    EXPECT_EQ(namesIn(zipHost), (QStringList{"a.txt", "Big.BIN"}));
    EXPECT_EQ(contentOf(zipHost, "a.txt"), small);
    EXPECT_EQ(contentOf(zipHost, "Big.BIN"), big);
    EXPECT_EQ(commentOf(zipHost), QByteArray("Greetings from the set\r\n"));
    EXPECT_TRUE(zip.lastError().isEmpty());

    EXPECT_EQ(adding, (QStringList{"a.txt", "Big.BIN"}));
    // What went in is told without reading the files again: each by the
    // path that packed it (libzip's own deflate, deflate on every core).
    const auto written = zip.lastWritten();
    ASSERT_EQ(written.size(), 2);
    EXPECT_EQ(written[0].zipName, QStringLiteral("a.txt"));
    EXPECT_EQ(written[0].crc, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(small.constData()), uInt(small.size()))));
    EXPECT_EQ(written[1].crc, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(big.constData()), uInt(big.size()))));
    EXPECT_EQ(written[1].size, big.size());
    ASSERT_FALSE(statuses.isEmpty());
    EXPECT_EQ(statuses.last(), 100);
    EXPECT_TRUE(std::is_sorted(statuses.begin(), statuses.end()));
    EXPECT_GT(passes, 0);
}

TEST_F(ZipComponentTest, AddingToAnExistingZipKeepsItsEntriesAndCommentAndReplacesASameName)
{
    put("d:\\src\\a.txt", "first a");
    put("d:\\work\\base.r00", randomBytes(50000, 3));
    const QByteArray artComment = QByteArray("\xC9\xCD\xBB \x1B[1mart\x1B[0m \xB0\xB1\xB2\x1A", 16);
    zip.setComment(artComment);
    ASSERT_EQ(addTo("d:\\out\\set01", "d:\\src\\a.txt\r"), 0) << zip.lastError().toStdString();

    // A later add without a comment, of a name relative to the current folder.
    zip.setComment({});
    ASSERT_TRUE(QDir::setCurrent(d + "/work"));
    ASSERT_EQ(addTo("d:\\out\\set01", "BASE.R00\r"), 0) << zip.lastError().toStdString();
    put("d:\\src\\a.txt", "second a, longer");
    ASSERT_EQ(addTo("d:\\OUT\\SET01", "d:\\src\\a.txt\r"), 0) << zip.lastError().toStdString();

    const QString zipHost = d + "/out/set01.zip";
    EXPECT_TRUE(unzipTestPasses(zipHost));
    EXPECT_EQ(namesIn(zipHost), (QStringList{"a.txt", "base.r00"}));
    EXPECT_EQ(contentOf(zipHost, "a.txt"), QByteArray("second a, longer"));
    EXPECT_EQ(commentOf(zipHost), artComment);
    EXPECT_EQ(QDir(d + "/out").entryList(QDir::Files), QStringList{"set01.zip"});
}

TEST_F(ZipComponentTest, CommentBytesOfEveryValueArriveExactlyUpToTheLimit)
{
    put("d:\\src\\a.txt", "a");
    QByteArray comment;
    for (int i = 0; comment.size() < LibzipComponent::kMaxCommentBytes; ++i)
        comment.append(char(1 + i % 255));
    zip.setComment(comment);
    ASSERT_EQ(addTo("d:\\out\\full", "d:\\src\\a.txt\r"), 0) << zip.lastError().toStdString();
    EXPECT_TRUE(unzipTestPasses(d + "/out/full.zip"));
    EXPECT_EQ(commentOf(d + "/out/full.zip"), comment);
}

TEST_F(ZipComponentTest, FolderPatternTakesEverythingBelowItWithRelativeNames)
{
    put("d:\\extra\\readme.txt", "read me");
    put("d:\\extra\\sub\\deep.txt", "deep");
    put("d:\\extra\\sub\\more\\Deeper.dat", "deeper");
    QDir().mkpath(d + "/extra/empty");
    QFile::link(d + "/extra", d + "/extra/sub/loop");

    ASSERT_EQ(addTo("d:\\out\\x1", "d:\\extra\\*.*\r"), 0) << zip.lastError().toStdString();
    EXPECT_TRUE(unzipTestPasses(d + "/out/x1.zip"));
    EXPECT_EQ(namesIn(d + "/out/x1.zip"),
              (QStringList{"readme.txt", "empty/", "sub/deep.txt", "sub/more/Deeper.dat"}));
    EXPECT_EQ(contentOf(d + "/out/x1.zip", "sub/more/Deeper.dat"), QByteArray("deeper"));

    // Another wildcard takes the matching files of that folder only; a
    // folder named without a pattern comes under its own name.
    ASSERT_EQ(addTo("d:\\out\\x2", "d:\\extra\\sub\\*.TXT\rd:\\extra\\sub\\more\r"), 0);
    EXPECT_EQ(namesIn(d + "/out/x2.zip"), (QStringList{"deep.txt", "more/Deeper.dat"}));
}

TEST_F(ZipComponentTest, AFolderThatHoldsTheTargetDoesNotPackTheZipIntoItself)
{
    put("d:\\out\\notes.txt", "notes");
    ASSERT_EQ(addTo("d:\\out\\self", "d:\\out\\notes.txt\r"), 0);
    ASSERT_EQ(addTo("d:\\out\\self", "d:\\out\\*.*\r"), 0) << zip.lastError().toStdString();
    EXPECT_EQ(namesIn(d + "/out/self.zip"), QStringList{"notes.txt"});
}

TEST_F(ZipComponentTest, LevelZeroStoresAndNineDeflatesHardest)
{
    const QByteArray text = textBytes(200000);
    put("d:\\src\\text.txt", text);

    zip.setCompressionLevel(0);
    ASSERT_EQ(addTo("d:\\out\\stored", "d:\\src\\text.txt\r"), 0);
    zip.setCompressionLevel(6);
    ASSERT_EQ(addTo("d:\\out\\normal", "d:\\src\\text.txt\r"), 0);
    zip.setCompressionLevel(9);
    ASSERT_EQ(addTo("d:\\out\\packed", "d:\\src\\text.txt\r"), 0);
    zip.setCompressionLevel(12); // not a level: the last one stays
    EXPECT_EQ(zip.compressionLevel(), 9);

    EXPECT_EQ(methodsIn(d + "/out/stored.zip"), QStringList{"stor"});
    EXPECT_EQ(methodsIn(d + "/out/packed.zip"), QStringList{"defX"});
    EXPECT_GT(QFileInfo(d + "/out/stored.zip").size(), 200000);
    EXPECT_LT(QFileInfo(d + "/out/packed.zip").size(), 20000);
    EXPECT_LE(QFileInfo(d + "/out/packed.zip").size(), QFileInfo(d + "/out/normal.zip").size());
    EXPECT_EQ(contentOf(d + "/out/packed.zip", "text.txt"), text);
    EXPECT_TRUE(unzipTestPasses(d + "/out/stored.zip"));
}

TEST_F(ZipComponentTest, StopDuringAnAddLeavesTheEarlierZipByteForByte)
{
    put("d:\\src\\a.txt", "a");
    // Too large to be held whole: deflated in parts while it is written.
    put("d:\\work\\big.r00", randomBytes(WholeFileDeflate::kMaxBytes + 1000000, 11));
    ASSERT_EQ(addTo("d:\\out\\set01", "d:\\src\\a.txt\r"), 0);
    const QByteArray before = readHost(d + "/out/set01.zip");

    // The window's Abort runs inside a pending-events pass, part way in.
    bool bigStarted = false;
    int passesAfterStop = 0;
    zip.onAdding = [&](const QString& name) { bigStarted = name == QLatin1String("big.r00"); };
    zip.onStatus = [&](int percent) {
        if (bigStarted && percent >= 30 && !zip.stopRequested())
            zip.setStop(true);
    };
    zip.processPendingEvents = [&] { passesAfterStop += zip.stopRequested() ? 1 : 0; };
    EXPECT_EQ(addTo("d:\\out\\set01", "d:\\work\\big.r00\r"), LibzipComponent::kStopped);
    EXPECT_TRUE(bigStarted);
    EXPECT_LE(passesAfterStop, 1);
    EXPECT_FALSE(zip.lastError().isEmpty());
    EXPECT_EQ(readHost(d + "/out/set01.zip"), before);
    EXPECT_EQ(leftoversIn("d:\\out"), QStringList{"set01.zip"});

    // The flag holds until it is cleared: nothing is touched meanwhile.
    EXPECT_NE(addTo("d:\\out\\set02", "d:\\src\\a.txt\r"), 0);
    EXPECT_FALSE(QFileInfo::exists(d + "/out/set02.zip"));
    zip.setStop(false);
    zip.onStatus = nullptr;
    EXPECT_EQ(addTo("d:\\out\\set01", "d:\\work\\big.r00\r"), 0);
    EXPECT_EQ(namesIn(d + "/out/set01.zip"), (QStringList{"a.txt", "big.r00"}));
}

TEST_F(ZipComponentTest, AMissingListedFileFailsAndLeavesTheEarlierZipAlone)
{
    put("d:\\src\\a.txt", "a");
    ASSERT_EQ(addTo("d:\\out\\set01", "d:\\src\\a.txt\r"), 0);
    const QByteArray before = readHost(d + "/out/set01.zip");

    EXPECT_NE(addTo("d:\\out\\set01", "d:\\src\\a.txt\rd:\\src\\missing.txt\r"), 0);
    EXPECT_TRUE(zip.lastError().contains("missing.txt"));
    EXPECT_NE(addTo("d:\\out\\set01", "d:\\nowhere\\*.*\r"), 0);
    EXPECT_NE(addTo("q:\\out\\set01", "d:\\src\\a.txt\r"), 0);
    EXPECT_NE(addTo("d:\\no\\such\\folder\\set01", "d:\\src\\a.txt\r"), 0);
    EXPECT_EQ(readHost(d + "/out/set01.zip"), before);
    EXPECT_EQ(leftoversIn("d:\\out"), QStringList{"set01.zip"});
}

TEST_F(ZipComponentTest, ATargetThatIsNoZipIsRefusedAndKept)
{
    put("d:\\src\\a.txt", "a");
    const QByteArray notAZip = "this is a text file, not an archive, and long enough to look for an end record";
    put("d:\\out\\text.zip", notAZip);
    EXPECT_NE(addTo("d:\\out\\text", "d:\\src\\a.txt\r"), 0);
    EXPECT_FALSE(zip.lastError().isEmpty());
    EXPECT_EQ(readHost(d + "/out/text.zip"), notAZip);
}

TEST_F(ZipComponentTest, ACommentOverTheZipLimitFailsCleanly)
{
    put("d:\\src\\a.txt", "a");
    ASSERT_EQ(addTo("d:\\out\\set01", "d:\\src\\a.txt\r"), 0);
    const QByteArray before = readHost(d + "/out/set01.zip");

    zip.setComment(QByteArray(70000, 'c'));
    EXPECT_NE(addTo("d:\\out\\set01", "d:\\src\\a.txt\r"), 0);
    EXPECT_TRUE(zip.lastError().contains("65,535")) << zip.lastError().toStdString();
    EXPECT_EQ(readHost(d + "/out/set01.zip"), before);
    EXPECT_NE(addTo("d:\\out\\set02", "d:\\src\\a.txt\r"), 0);
    EXPECT_FALSE(QFileInfo::exists(d + "/out/set02.zip"));
}

TEST_F(ZipComponentTest, AThrowingHandlerCancelsTheAddInsteadOfCrashing)
{
    put("d:\\src\\a.txt", "a");
    zip.onAdding = [](const QString&) { throw std::runtime_error("handler fault"); };
    EXPECT_NE(addTo("d:\\out\\set01", "d:\\src\\a.txt\r"), 0);
    EXPECT_FALSE(QFileInfo::exists(d + "/out/set01.zip"));
    EXPECT_EQ(leftoversIn("d:\\out"), QStringList{});
}

TEST_F(ZipComponentTest, AnExtraFolderGivesFilesAndFoldersOnlyAndSaysWhatItLeftOut)
{
    put("d:\\extra\\readme.txt", "read me");
    put("d:\\outside.txt", "not part of the extra");
    const QString extra = d + "/extra";
    ASSERT_EQ(::mkfifo(QFile::encodeName(extra + "/pipe").constData(), 0644), 0);
    QFile::link("/dev/zero", extra + "/zeros");
    QFile::link(d + "/outside.txt", extra + "/away.txt");
    QFile::link(extra + "/readme.txt", extra + "/again.txt");
    QFile::link(d, extra + "/up");
    QFile::link(extra + "/gone", extra + "/broken");
    // A name from an old disk, not UTF-8: Qt's own listing never shows it.
    const QByteArray legacy = QFile::encodeName(extra) + "/l\xe9gacy.txt";
    const int fd = ::open(legacy.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "old", 3), 3);
    ::close(fd);

    ASSERT_EQ(addTo("d:\\out\\x", "d:\\extra\\*.*\r"), 0) << zip.lastError().toStdString();
    EXPECT_TRUE(unzipTestPasses(d + "/out/x.zip"));
    EXPECT_EQ(namesIn(d + "/out/x.zip"), (QStringList{"again.txt", QStringLiteral("l\u00e9gacy.txt"), "readme.txt"}));
    EXPECT_EQ(contentOf(d + "/out/x.zip", "again.txt"), QByteArray("read me"));
    EXPECT_EQ(contentOf(d + "/out/x.zip", QStringLiteral("l\u00e9gacy.txt")), QByteArray("old"));

    const QString told = zip.warnings().join('\n');
    for (const char* left : {"/pipe: not a file or folder", "/zeros: a link to /dev/zero, outside the folder",
                             "/away.txt: a link to", "/up: a link to", "/broken: a broken link", "l\\xE9gacy.txt is not UTF-8"})
        EXPECT_TRUE(told.contains(QString::fromLatin1(left))) << left << "\n" << told.toStdString();
    EXPECT_EQ(zip.warnings().size(), 6);

    // The extra goes into every ZIP; what it leaves out is told once.
    ASSERT_EQ(addTo("d:\\out\\y", "d:\\extra\\*.*\r"), 0);
    EXPECT_EQ(zip.warnings().size(), 6);
}

TEST_F(ZipComponentTest, AnExtraFolderKeepsEveryNameAndNeverReadsWhatTheSetWrites)
{
    const QString extra = d + "/extra";
    const auto writeBytes = [&](const QByteArray& name, const QByteArray& bytes) {
        const int fd = ::open((QFile::encodeName(extra) + '/' + name).constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
        ::close(fd);
    };
    put("d:\\extra\\zips\\old01.zip", "an earlier ZIP of the set");
    for (const QByteArray name : {"caf\xc3\xa9.txt", "caf\xe9.txt", "README.TXT", "Readme.txt", ".old.zavok32-lock",
                                  "old02.zip.unfinished-Ab12Cd"})
        writeBytes(name, "bytes of " + name);
    QFile::link(extra + "/zips/old01.zip", extra + "/again.zip");

    zip.setFoldersLeftOut({"d:\\EXTRA\\zips"});
    ASSERT_EQ(addTo("d:\\out\\x", "d:\\extra\\*.*\r"), 0) << zip.lastError().toStdString();
    EXPECT_EQ(namesIn(d + "/out/x.zip"),
              (QStringList{"README.TXT", "Readme (2).txt", QStringLiteral("caf\u00e9.txt"), "caf%E9.txt"}));
    EXPECT_EQ(contentOf(d + "/out/x.zip", "caf%E9.txt"), QByteArray("bytes of caf\xe9.txt"));
    const QString told = zip.warnings().join('\n');
    for (const QString& said : {QStringLiteral("the names README.TXT and Readme.txt in %1 are one name").arg(extra),
                                QStringLiteral("left out the folder %1/zips").arg(extra),
                                QStringLiteral("again.zip: a link into a folder the set is written to"),
                                QStringLiteral("left out %1/.old.zavok32-lock").arg(extra)})
        EXPECT_TRUE(told.contains(said)) << said.toStdString() << "\n" << told.toStdString();

    // The folder itself being one the set writes to: nothing of it is read.
    zip.setFoldersLeftOut({"d:\\extra"});
    ASSERT_EQ(addTo("d:\\out\\y", "d:\\out\\x.zip\rd:\\extra\\*.*\r"), 0);
    EXPECT_EQ(namesIn(d + "/out/y.zip"), QStringList{"x.zip"});
    EXPECT_TRUE(zip.warnings().contains(QStringLiteral("left out the folder %1: the set is written there (its ZIP "
                                                       "folder or work folder)").arg(extra)));
}

TEST_F(ZipComponentTest, AFolderOfDevicesAndOtherFileSystemsIsNotReadWithoutEnd)
{
    // /dev holds devices, links out of it and, most often, other file
    // systems (pts, shm) mounted inside: what a drive root holds at worst.
    struct stat dev {}, pts {};
    ASSERT_EQ(::stat("/dev", &dev), 0);
    QList<LibzipComponent::Entry> entries;
    QStringList warnings;
    ZipFolderWalk::walk(QStringLiteral("/dev"), QString(), ZipFolderWalk::Options{}, &entries, &warnings);
    for (const LibzipComponent::Entry& e : entries) {
        if (e.nativePath.isEmpty())
            continue; // an empty folder
        struct stat st {};
        ASSERT_EQ(::stat(e.nativePath.constData(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode)) << e.nativePath.toStdString();
    }
    if (::stat("/dev/pts", &pts) == 0 && pts.st_dev != dev.st_dev) {
        EXPECT_TRUE(warnings.join('\n').contains("/dev/pts: it is on another file system")) << warnings.join('\n').toStdString();
    }
    EXPECT_FALSE(warnings.isEmpty());
}

TEST_F(ZipComponentTest, AZipBeingWrittenIsNamedUnfinishedUntilItIsComplete)
{
    put("d:\\work\\big.r00", randomBytes(4000000, 5));
    QStringList seen;
    zip.onStatus = [&](int percent) {
        if (percent >= 40 && seen.isEmpty())
            seen = leftoversIn("d:\\out");
    };
    ASSERT_EQ(addTo("d:\\out\\set07", "d:\\work\\big.r00\r"), 0);
    ASSERT_EQ(seen.size(), 1) << seen.join(',').toStdString();
    EXPECT_TRUE(seen[0].startsWith("set07.zip.unfinished-")) << seen[0].toStdString();
    EXPECT_FALSE(seen[0].endsWith(".zip"));
    EXPECT_EQ(leftoversIn("d:\\out"), QStringList{"set07.zip"});
    EXPECT_TRUE(unzipTestPasses(d + "/out/set07.zip"));

    // Adding to it again keeps the finished file in place meanwhile, and the
    // permissions it had.
    ASSERT_EQ(::chmod(QFile::encodeName(d + "/out/set07.zip").constData(), 0604), 0);
    put("d:\\work\\more.txt", randomBytes(3000000, 6));
    seen.clear();
    ASSERT_EQ(addTo("d:\\out\\set07", "d:\\work\\more.txt\r"), 0);
    EXPECT_EQ(seen.size(), 2) << seen.join(',').toStdString();
    EXPECT_TRUE(seen.contains("set07.zip"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(d + "/out/set07.zip").constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0604u);
    EXPECT_EQ(namesIn(d + "/out/set07.zip"), (QStringList{"big.r00", "more.txt"}));
}

TEST_F(ZipComponentTest, HeldAddsAnswerForTheirOwnFilesAndAreWrittenOnceInTheirOrder)
{
    const QByteArray volume = randomBytes(300000, 21);
    put("d:\\work\\set.r00", volume);
    put("d:\\app\\file_id.diz", "diz");
    put("d:\\app\\info.nfo", "nfo");
    put("d:\\extra\\a.txt", "extra");

    QStringList adding;
    zip.onAdding = [&](const QString& name) { adding << name; };
    zip.startZip();
    EXPECT_EQ(addTo("d:\\out\\set01", "d:\\work\\set.r00\r"), 0);
    EXPECT_NE(addTo("d:\\out\\set01", "d:\\app\\missing.diz\r"), 0) << "an add fails for its own files at once";
    EXPECT_TRUE(zip.lastError().contains("missing.diz"));
    EXPECT_EQ(addTo("d:\\out\\set01", "d:\\app\\file_id.diz\r"), 0);
    EXPECT_EQ(addTo("d:\\out\\set01", "d:\\app\\info.nfo\r"), 0);
    EXPECT_EQ(addTo("d:\\out\\set01", "d:\\extra\\*.*\r"), 0);
    EXPECT_NE(addTo("d:\\out\\set02", "d:\\app\\info.nfo\r"), 0) << "one ZIP at a time";
    EXPECT_EQ(leftoversIn("d:\\out"), QStringList{}) << "nothing is written before the ZIP is finished";
    EXPECT_TRUE(adding.isEmpty());

    EXPECT_EQ(zip.finishZip(), 0);
    EXPECT_EQ(namesIn(d + "/out/set01.zip"), (QStringList{"set.r00", "file_id.diz", "info.nfo", "a.txt"}));
    EXPECT_EQ(adding, (QStringList{"set.r00", "file_id.diz", "info.nfo", "a.txt"}));
    EXPECT_EQ(contentOf(d + "/out/set01.zip", "set.r00"), volume);
    EXPECT_TRUE(unzipTestPasses(d + "/out/set01.zip"));
    EXPECT_EQ(leftoversIn("d:\\out"), QStringList{"set01.zip"});

    // Once finished, adds write at once again.
    EXPECT_EQ(addTo("d:\\out\\set02", "d:\\app\\info.nfo\r"), 0);
    EXPECT_EQ(namesIn(d + "/out/set02.zip"), QStringList{"info.nfo"});
}

TEST_F(ZipComponentTest, HeldAddsThatAreStoppedOrDroppedLeaveTheEarlierZipByteForByte)
{
    put("d:\\src\\a.txt", "a");
    put("d:\\work\\set.r00", randomBytes(2000000, 22));
    ASSERT_EQ(addTo("d:\\out\\set01", "d:\\src\\a.txt\r"), 0);
    const QByteArray before = readHost(d + "/out/set01.zip");

    zip.startZip();
    ASSERT_EQ(addTo("d:\\out\\set01", "d:\\work\\set.r00\r"), 0);
    zip.dropZip();
    EXPECT_EQ(zip.finishZip(), 0) << "nothing is left to write";
    EXPECT_EQ(readHost(d + "/out/set01.zip"), before);

    zip.startZip();
    ASSERT_EQ(addTo("d:\\out\\set01", "d:\\work\\set.r00\r"), 0);
    zip.setStop(true);
    EXPECT_EQ(zip.finishZip(), LibzipComponent::kStopped);
    EXPECT_EQ(readHost(d + "/out/set01.zip"), before);

    zip.setStop(false);
    zip.startZip();
    ASSERT_EQ(addTo("d:\\out\\set01", "d:\\work\\set.r00\r"), 0);
    zip.onStatus = [&](int percent) {
        if (percent >= 50)
            zip.setStop(true);
    };
    EXPECT_EQ(zip.finishZip(), LibzipComponent::kStopped);
    EXPECT_EQ(readHost(d + "/out/set01.zip"), before);
    EXPECT_EQ(leftoversIn("d:\\out"), QStringList{"set01.zip"});
}

TEST_F(ZipComponentTest, VolumesReadAheadGoInFromOneReadEachAndAChangedOneIsReadAgain)
{
    QList<QByteArray> volumes;
    for (int n = 1; n <= 3; ++n) {
        volumes << randomBytes(600000, quint32(30 + n)) + textBytes(600000);
        put(QStringLiteral("d:\\work\\set.r%1").arg(n), volumes.last());
    }
    put("d:\\app\\file_id.diz", "diz");
    const auto zipVolume = [&](int n, const QString& ahead) {
        zip.startZip();
        EXPECT_EQ(addTo(QStringLiteral("d:\\out\\set0%1").arg(n), QStringLiteral("d:\\work\\set.r%1\r").arg(n)), 0);
        zip.readAhead(ahead);
        EXPECT_EQ(addTo(QStringLiteral("d:\\out\\set0%1").arg(n), "d:\\app\\file_id.diz\r"), 0);
        EXPECT_EQ(zip.finishZip(), 0) << zip.lastError().toStdString();
    };

    const qint64 before = bytesReadByProcess();
    zipVolume(1, "d:\\work\\set.r2\rd:\\work\\set.r3\rd:\\work\\missing.r4\r");
    zipVolume(2, "d:\\work\\set.r3\r");
    const qint64 read = bytesReadByProcess() - before;
    if (before >= 0) {
        EXPECT_LT(read, 3 * 1200000 + 200000) << "every volume is read once, the third ahead of its ZIP";
    }

    volumes[2] = textBytes(700000);
    put("d:\\work\\set.r3", volumes[2]);
    zipVolume(3, {});
    for (int n = 1; n <= 3; ++n) {
        const QString zipHost = d + QStringLiteral("/out/set0%1.zip").arg(n);
        EXPECT_TRUE(unzipTestPasses(zipHost)) << n;
        EXPECT_EQ(namesIn(zipHost), (QStringList{QStringLiteral("set.r%1").arg(n), "file_id.diz"}));
        EXPECT_EQ(contentOf(zipHost, QStringLiteral("set.r%1").arg(n)), volumes[n - 1]) << n;
    }
}
