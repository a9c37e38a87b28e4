#include "endtoendfixture.h"

#include "job/exitstatus.h"
#include "setcheck/volumesettester.h"
#include "platform/appdirectory.h"
#include "platform/numbertext.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace {

const QByteArray kStamp = QByteArray(28, ' ') + "Packaged with Zavok32 by QZM";

// Passes every call to the real writer, and can fail or stop the first add
// of a chosen ZIP.
class ZipFault : public ZipComponent
{
public:
    explicit ZipFault(std::unique_ptr<ZipComponent> inner)
        : m_inner(std::move(inner))
    {
    }
    QString failTarget;                      // the first add into it returns non-zero
    std::function<void()> beforeFirstAddTo;  // runs before the first add into failTarget
    int failures = 0;

    void setCompressionLevel(int level) override { m_inner->setCompressionLevel(level); }
    void setTarget(const QString& t) override
    {
        m_target = t;
        m_inner->setTarget(t);
    }
    void setComment(const QByteArray& c) override { m_inner->setComment(c); }
    void setFileList(const QString& l) override { m_inner->setFileList(l); }
    void setStop(bool s) override { m_inner->setStop(s); }
    void setFoldersLeftOut(const QStringList& folders) override { m_inner->setFoldersLeftOut(folders); }
    QString lastError() const override { return m_inner->lastError(); }
    QList<WrittenFile> lastWritten() const override { return m_inner->lastWritten(); }
    int add() override
    {
        m_inner->onAdding = onAdding;
        m_inner->onStatus = onStatus;
        m_inner->processPendingEvents = processPendingEvents;
        if (m_target == failTarget && !m_seen && !duringWrite && !afterWrite) {
            m_seen = true;
            if (beforeFirstAddTo) {
                beforeFirstAddTo();
            } else {
                ++failures;
                return 1;
            }
        }
        return m_inner->add();
    }

    void startZip() override { m_inner->startZip(); }
    int finishZip() override
    {
        m_inner->onAdding = onAdding;
        m_inner->onStatus = onStatus;
        m_inner->processPendingEvents = processPendingEvents;
        if (m_target == failTarget && duringWrite) {
            m_inner->onStatus = [this](int percent) {
                if (onStatus)
                    onStatus(percent);
                duringWrite(percent, *m_inner);
            };
        }
        const int result = m_inner->finishZip();
        if (result == 0 && m_target == failTarget && afterWrite)
            afterWrite();
        return result;
    }
    void dropZip() override { m_inner->dropZip(); }
    void readAhead(const QString& l) override { m_inner->readAhead(l); }

    // Runs once the ZIP of failTarget is written: the disk's turn to spoil it.
    std::function<void()> afterWrite;

    // Runs on every percent while the ZIP of failTarget is written (with
    // the real writer, to reach it part way in).
    std::function<void(int percent, ZipComponent& inner)> duringWrite;

private:
    std::unique_ptr<ZipComponent> m_inner;
    QString m_target;
    bool m_seen = false;
};

// A window whose pending events can run something: a click on Abort, say.
class EventShell : public FakeShell
{
public:
    std::function<void()> onPendingEvents;
    void processPendingEvents() override
    {
        FakeShell::processPendingEvents();
        if (onPendingEvents)
            onPendingEvents();
    }
};

QList<QByteArray> crLines(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray& l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    return lines;
}

qsizetype zipCommentLength(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const qint64 tail = qMin<qint64>(f.size(), 65535 + 22);
    f.seek(f.size() - tail);
    const QByteArray bytes = f.read(tail);
    const qsizetype at = bytes.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (at < 0 || at + 22 > bytes.size())
        return -1;
    return quint8(bytes[at + 20]) | (quint8(bytes[at + 21]) << 8);
}

// A tester of the volumes on disk that takes its time over each and can
// find one of them damaged; it notes any volume that was gone before it got
// there.
class SlowDiskTester : public VolumeSetTester
{
public:
    QStringList names;
    int faultAt = -1;
    QStringList goneBeforeTested;
    QStringList tested;

    Verdict testFiles(const QString& first, const Progress& progress) override
    {
        const QString folder = QFileInfo(first).path();
        for (int i = 0; i < names.size(); ++i) {
            if (progress && !progress(i, 0))
                return {false, QStringLiteral("stopped"), i};
            QThread::msleep(40);
            QFile volume(folder + QLatin1Char('/') + names[i]);
            if (!volume.open(QIODevice::ReadOnly))
                goneBeforeTested << names[i];
            volume.readAll();
            tested << names[i];
            if (i == faultAt)
                return {false, names[i] + QStringLiteral(": data CRC error"), i + 1};
        }
        return {true, {}, int(names.size())};
    }
    Verdict testVolumes(const QString&, const Volumes&, const Progress&) override { return {false, {}, 0}; }
};

} // namespace

class RunEndToEnd : public EndToEnd
{
protected:
    QStringList numberedZips(int count, const QString& middle = {}, int digits = 2) const
    {
        QStringList names;
        for (int n = 1; n <= count; ++n)
            names << QStringLiteral("game") + middle + numbertext::zeroPadded(n, digits) + QStringLiteral(".zip");
        return names;
    }

    // Every ZIP is sound and holds, in order, its volume, the numbered
    // description, then (all or only the first) the stamped .nfo and the
    // extra folder's files.
    void checkZips(const QStringList& zips, const QStringList& volumes, bool infoInEvery, int digits = 2, int setSize = 0)
    {
        ASSERT_EQ(zips.size(), volumes.size());
        const int count = setSize ? setSize : int(zips.size());
        for (int i = 0; i < int(zips.size()); ++i) {
            SCOPED_TRACE(zips[i].toStdString());
            const Tool test = tool(QStringLiteral("unzip"), {QStringLiteral("-tq"), zips[i]}, zipsHost);
            EXPECT_TRUE(test.ok()) << test.out.toStdString();
            QStringList entries = zipEntries(zips[i]);
            entries.removeIf([](const QString& e) { return e.endsWith(QLatin1Char('/')); });
            QStringList expected{volumes[i], QStringLiteral("file_id.diz")};
            if (infoInEvery || i == 0)
                expected << QStringLiteral("game.nfo") << QStringLiteral("setup.txt") << QStringLiteral("more/help.txt");
            ASSERT_GE(entries.size(), 2);
            EXPECT_EQ(entries.mid(0, 3), expected.mid(0, 3));
            EXPECT_EQ(QSet<QString>(entries.begin() + 2, entries.end()), QSet<QString>(expected.begin() + 2, expected.end()));

            const QList<QByteArray> diz = crLines(zipEntry(zips[i], QStringLiteral("file_id.diz")));
            ASSERT_GE(diz.size(), 3);
            const QByteArray number = numbertext::zeroPadded(i + 1, digits).toLatin1() + '/' + numbertext::zeroPadded(count, digits).toLatin1();
            EXPECT_EQ(diz[2].mid(9, number.size()), number);
            EXPECT_EQ(diz[2].size(), QByteArray("Volume:  ..../....   ").size());
            if (infoInEvery || i == 0) {
                const QByteArray nfo = zipEntry(zips[i], QStringLiteral("game.nfo"));
                EXPECT_TRUE(nfo.endsWith("play it\r\n\r\n" + kStamp + "\r\n")) << nfo.toStdString();
            }
        }
    }

    void checkSource(const QStringList& zips, const QString& firstVolume, const QString& sourceFolder)
    {
        const QString unzipped = unzipAll(zips);
        const QString extracted = extractSet(unzipped, firstVolume);
        dropFromTree(sourceFolder, QStringLiteral("skipme"));
        QString difference;
        EXPECT_TRUE(sameTree(sourceFolder, extracted, &difference)) << difference.toStdString();
    }

    QStringList rarVolumes(int count) const
    {
        QStringList v{QStringLiteral("game.rar")};
        for (int n = 2; n <= count; ++n)
            v << QStringLiteral("game.r") + numbertext::zeroPadded(n - 2, 2);
        return v;
    }
};

TEST_F(RunEndToEnd, DirectoryTreeBecomesNumberedZipsThatGiveItBack)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    job.setUseZipComment(true);
    QFile comment(AppDirectory::path() + QStringLiteral("/zcomment.ini"));
    ASSERT_TRUE(comment.open(QIODevice::WriteOnly));
    comment.write(QByteArray(32000, 'z'));
    comment.close();
    makeRun();
    run->runJob();

    EXPECT_TRUE(home.messages.shown.isEmpty()) << home.messages.texts().join(QLatin1Char('|')).toStdString();
    const QStringList zips = zipFiles();
    ASSERT_EQ(zips.size(), 4) << "5.3 MB in volumes of 1,440,000 bytes";
    EXPECT_EQ(zips, numberedZips(4));
    checkZips(zips, rarVolumes(4), true);
    for (const QString& z : zips)
        EXPECT_EQ(zipCommentLength(zipsHost + QLatin1Char('/') + z), 31999);
    checkSource(zips, QStringLiteral("game.rar"), sourceRoot + QStringLiteral("/game"));
    checkSums(QStringLiteral("game"));

    EXPECT_FALSE(home.drives.pathExists(QStringLiteral("c:\\Zavok001")));
    ASSERT_EQ(presenter.shown.size(), 1);
    // Full volumes of noise with a 32,000-byte comment: too much for floppies.
    EXPECT_TRUE(presenter.shown[0].verdict.startsWith(
        QStringLiteral("Verified: 4 ZIPs and the set are sound; 3 ZIPs do not fit a 1.44 MB floppy of 1,457,664 bytes (the largest, game0")))
        << presenter.shown[0].verdict.toStdString();
    EXPECT_EQ(presenter.shown[0].count, QStringLiteral(" 4"));
    EXPECT_EQ(presenter.shown[0].total, QStringLiteral(" 6 M"));
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("rip.wav")});
}

TEST_F(RunEndToEnd, CdImageWithInfoInTheFirstZipOnly)
{
    writeRandom(QStringLiteral("cd/game.iso"), 1500000, 3);
    {
        QFile iso(sourceRoot + QStringLiteral("/cd/game.iso"));
        ASSERT_TRUE(iso.open(QIODevice::Append));
        iso.write(QByteArray(2000000, '\0'));
    }
    setUpJob(QStringLiteral("d:\\cd\\game.iso"), true);
    job.setFirstZipOnly(1);
    makeRun();
    run->runJob();

    const QStringList zips = zipFiles();
    ASSERT_EQ(zips.size(), 3);
    checkZips(zips, rarVolumes(3), false);
    const QString unzipped = unzipAll(zips);
    const QString extracted = extractSet(unzipped, QStringLiteral("game.rar"));
    EXPECT_EQ(QDir(extracted).entryList(QDir::Files), QStringList{QStringLiteral("game.iso")});
    EXPECT_TRUE(sameFile(sourceRoot + QStringLiteral("/cd/game.iso"), extracted + QStringLiteral("/game.iso")));
    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_EQ(presenter.shown[0].sourceType, QStringLiteral(" CD image ISO file"));
}

TEST_F(RunEndToEnd, AceSetAtNormalIsCompressedAndGivesTheTreeBack)
{
    makeTree(QStringLiteral("game"));
    // 3 MB of text on top of 5.3 MB: stored, the set would take 6 volumes.
    QByteArray manual;
    for (int i = 0; manual.size() < 3000000; ++i)
        manual += "Chapter " + QByteArray::number(i % 97) + ", page " + QByteArray::number(i) + " of the manual.\r\n";
    writeHost(QStringLiteral("game/docs/manual.txt"), manual);
    setUpJob(QStringLiteral("d:\\game"), false);
    job.setArchiver(Archiver::Ace);
    job.setArchiveCompression(5);
    makeRun();
    run->runJob();

    EXPECT_EQ(job.archiveCompression(), 3);
    const QStringList zips = zipFiles();
    ASSERT_EQ(zips.size(), 4) << "the noise stays as it is, the text shrinks";
    QStringList volumes{QStringLiteral("game.ace")};
    for (int n = 2; n <= zips.size(); ++n)
        volumes << QStringLiteral("game.c") + numbertext::zeroPadded(n - 2, 2);
    checkZips(zips, volumes, true);
    checkSource(zips, QStringLiteral("game.ace"), sourceRoot + QStringLiteral("/game"));
}

TEST_F(RunEndToEnd, ThreeDigitSetOfMoreThanNinetyNineVolumes)
{
    // 50 MB of zeros (sparse, so cheap to make) at 500,000-byte volumes.
    writeZeros(QStringLiteral("big/zeros.img"), 50000000);
    writeHost(QStringLiteral("big/Small File.txt"), "tail");
    setUpJob(QStringLiteral("d:\\big"), false);
    job.setSkipEntries({});
    job.setArchiveSizeStep(1);
    job.setZipCompression(0);
    job.setFirstZipOnly(1);
    makeRun();
    run->runJob();

    EXPECT_TRUE(state.threeDigitNumbering);
    const QStringList zips = zipFiles();
    ASSERT_GT(zips.size(), 99);
    EXPECT_EQ(zips, numberedZips(int(zips.size()), {}, 3));
    QStringList volumes;
    for (int n = 1; n <= zips.size(); ++n)
        volumes << QStringLiteral("game.") + numbertext::zeroPadded(n, 3);
    checkZips(zips, volumes, false, 3);
    checkSource(zips, QStringLiteral("game.001"), sourceRoot + QStringLiteral("/big"));
    checkSums(QStringLiteral("game"));
}

TEST_F(RunEndToEnd, ArchivesOnlyLeavesTheSetInTheWorkDirectory)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    job.setArchivesOnly(true);
    job.setSkipEntries({});
    makeRun();
    run->runJob();

    EXPECT_TRUE(zipFiles().isEmpty());
    const QStringList volumes = workFiles();
    EXPECT_EQ(volumes, (QStringList{"game.r00", "game.r01", "game.r02", "game.rar"}));
    EXPECT_EQ(view.run.counter, QStringLiteral(" 4 Rar's"));
    const QString extracted = extractSet(home.host(QStringLiteral("c:\\Zavok001")), QStringLiteral("game.rar"));
    QString difference;
    EXPECT_TRUE(sameTree(sourceRoot + QStringLiteral("/game"), extracted, &difference)) << difference.toStdString();
}

TEST_F(RunEndToEnd, SizeStepZeroMakesOneZipWithoutANumber)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    job.setArchiveSizeStep(0);
    job.setArchiver(Archiver::Ace);
    makeRun();
    run->runJob();

    EXPECT_EQ(zipFiles(), QStringList{QStringLiteral("game.zip")});
    checkZips(zipFiles(), {QStringLiteral("game.ace")}, true);
    checkSource(zipFiles(), QStringLiteral("game.ace"), sourceRoot + QStringLiteral("/game"));
    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_EQ(presenter.shown[0].total, QString());
}

TEST_F(RunEndToEnd, DatedUnattendedRunNamesZipsByTheClockAndCloses)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    app.launchMode = LaunchMode::AutoRunDated;
    home.clock.at = QDateTime(QDate(1999, 12, 7), QTime(23, 0));
    makeRun();
    run->runJob();

    EXPECT_EQ(zipFiles(), numberedZips(4, QStringLiteral("12799")));
    checkZips(zipFiles(), rarVolumes(4), true);
    checkSums(QStringLiteral("game12799"));
    EXPECT_TRUE(view.wholeRun.verdict.startsWith(QStringLiteral("Verified: 4 ZIPs and the set are sound; every ZIP fits")));
    EXPECT_EQ(home.shell.closeCalls, 1);
    EXPECT_EQ(home.shell.endCalls, 0);
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(sounds.played.isEmpty());
}

TEST_F(RunEndToEnd, FailedZipStepKeepsTheZipsMadeAndTheVolumesLeft)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    auto fault = std::make_unique<ZipFault>(std::make_unique<LibzipComponent>(home.drives));
    fault->failTarget = QStringLiteral("e:\\zips\\game03");
    makeRun(std::move(fault));
    run->runJob();

    EXPECT_EQ(zipFiles(), numberedZips(2));
    checkZips(zipFiles(), rarVolumes(2), true, 2, 4);
    EXPECT_EQ(workFiles(), (QStringList{"game.r01", "game.r02"}));
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(home.messages.shown.isEmpty());
    EXPECT_TRUE(view.window.listBarEnabled);
}

TEST_F(RunEndToEnd, AbortDuringAnAddLeavesTheExistingZipAsItWas)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    // An older game02.zip that the user chose to add to.
    const QString old = sourceRoot + QStringLiteral("/old.txt");
    writeHost(QStringLiteral("old.txt"), "from before");
    ASSERT_TRUE(tool(QStringLiteral("zip"), {QStringLiteral("-jq"), zipsHost + QStringLiteral("/game02.zip"), old}, zipsHost).ok());
    QFile before(zipsHost + QStringLiteral("/game02.zip"));
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = before.readAll();

    EventShell shell;
    home.services.shell = &shell;
    auto fault = std::make_unique<ZipFault>(std::make_unique<LibzipComponent>(home.drives));
    fault->failTarget = QStringLiteral("e:\\zips\\game02");
    bool inSecondZip = false;
    fault->beforeFirstAddTo = [&] { inSecondZip = true; };
    shell.onPendingEvents = [&] {
        if (inSecondZip) {
            inSecondZip = false;
            run->abortRun();
        }
    };
    makeRun(std::move(fault));
    run->runJob();

    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_EQ(home.messages.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(view.run.status, QStringLiteral("Aborted"));
    QFile after(zipsHost + QStringLiteral("/game02.zip"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), oldBytes);
    EXPECT_EQ(zipFiles(), numberedZips(2));
    EXPECT_EQ(workFiles(), (QStringList{"game.r00", "game.r01", "game.r02"}));
    EXPECT_TRUE(presenter.shown.isEmpty());
}

TEST_F(RunEndToEnd, DuplicateNameOkAddsToTheZipAndCancelChangesNothing)
{
    writeHost(QStringLiteral("small/a.txt"), QByteArray(300000, 'a'));
    writeHost(QStringLiteral("old.txt"), "from before");
    setUpJob(QStringLiteral("d:\\small"), false);
    job.setSkipEntries({});
    ASSERT_TRUE(tool(QStringLiteral("zip"), {QStringLiteral("-jq"), zipsHost + QStringLiteral("/game.zip"), sourceRoot + QStringLiteral("/old.txt")}, zipsHost).ok());
    makeRun();

    home.messages.answers.push_back(MessageResult::Cancel);
    run->runJob();
    EXPECT_EQ(home.messages.texts(), QStringList{QStringLiteral("Duplicate zip name in zip directory\nadd to it?")});
    EXPECT_EQ(zipEntries(QStringLiteral("game.zip")), QStringList{QStringLiteral("old.txt")});
    EXPECT_EQ(home.shell.focuses.last(), FocusTarget::ZipName);
    EXPECT_FALSE(home.drives.pathExists(QStringLiteral("c:\\Zavok001")));

    home.messages.answers.push_back(MessageResult::Ok);
    run->runJob();
    EXPECT_EQ(zipEntries(QStringLiteral("game.zip")).first(), QStringLiteral("old.txt"));
    EXPECT_TRUE(zipEntries(QStringLiteral("game.zip")).contains(QStringLiteral("game.rar")));
    EXPECT_TRUE(tool(QStringLiteral("unzip"), {QStringLiteral("-tq"), QStringLiteral("game.zip")}, zipsHost).ok());
    EXPECT_EQ(presenter.shown.size(), 1);
}

TEST_F(RunEndToEnd, ArchiverThatMakesNothingEndsAsAborted)
{
    writeHost(QStringLiteral("small/a.txt"), "a");
    setUpJob(QStringLiteral("d:\\small"), false);
    job.setSkipEntries({});
    qputenv("PATH", "/nonexistent");
    makeRun();
    run->runJob();
    EXPECT_EQ(view.run.status, QStringLiteral("Aborted"));
    EXPECT_TRUE(zipFiles().isEmpty());
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_FALSE(home.drives.pathExists(QStringLiteral("c:\\Zavok001")));
}

TEST_F(RunEndToEnd, TooManyVolumesAndMissingFilesStopTheRun)
{
    writeHost(QStringLiteral("small/a.txt"), QByteArray(2000000, 'a'));
    setUpJob(QStringLiteral("d:\\small"), false);
    job.setSkipEntries({});
    job.setSourceMegabytes(1500.5f);
    app.launchMode = LaunchMode::AutoRun;
    makeRun();
    run->runJob();
    EXPECT_EQ(home.messages.texts(), QStringList{QStringLiteral("Can't have more than 999 files in the set\rRaise the achive size, or choose a source with a smaller size")});
    EXPECT_EQ(home.shell.endCalls, 0);
    EXPECT_FALSE(home.drives.pathExists(QStringLiteral("c:\\Zavok001")));

    // The information file goes away while the archiver runs.
    measure();
    app.launchMode = LaunchMode::Interactive;
    EventShell shell;
    home.services.shell = &shell;
    shell.onPendingEvents = [this] { QFile::remove(sourceRoot + QStringLiteral("/desc/game.nfo")); };
    home.messages.shown.clear();
    run->runJob();
    EXPECT_EQ(home.messages.texts(), QStringList{QStringLiteral("Ripping error, check your *.zvk file")});
    EXPECT_EQ(workFiles(), (QStringList{"game.r00", "game.rar"}));
    EXPECT_EQ(zipFiles(), QStringList{}) << "the ZIP whose adds did not all succeed is not written at all";
}

TEST_F(RunEndToEnd, AScriptedArchiverThatFailsOrIsKilledAfterTwoVolumesGetsNoZip)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    const QString work = home.host(QStringLiteral("c:\\")) + QStringLiteral("/Zavok001");
    struct Ending {
        const char* line;
        const char* told;
    };
    for (const Ending& ending : {Ending{"exit 1", "ended with exit status 1"}, Ending{"kill -KILL $$", "was ended by signal 9"}}) {
        SCOPED_TRACE(ending.line);
        // Found in the application directory before the real one on PATH.
        QFile script(home.home() + QStringLiteral("/wrar"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf 'Rar!one' > '" + QFile::encodeName(work) + "/game.rar'\nprintf 'Rar!two' > '"
                     + QFile::encodeName(work) + "/game.r00'\n" + ending.line + "\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        home.messages.shown.clear();
        makeRun();
        run->runJob();

        EXPECT_TRUE(zipFiles().isEmpty());
        EXPECT_EQ(workFiles(), (QStringList{"game.r00", "game.rar"}));
        ASSERT_EQ(home.messages.shown.size(), 1);
        EXPECT_TRUE(home.messages.shown[0].text.contains(QString::fromLatin1(ending.told))) << home.messages.shown[0].text.toStdString();
        EXPECT_TRUE(home.messages.shown[0].text.contains(QStringLiteral("c:\\Zavok001")));
        EXPECT_TRUE(presenter.shown.isEmpty());
        QDir(work).removeRecursively();
    }

    app.launchMode = LaunchMode::AutoRun;
    makeRun();
    run->runJob();
    EXPECT_EQ(home.shell.endCalls, 1);
    EXPECT_EQ(home.shell.exitCode, 3);
    EXPECT_TRUE(home.shell.endReason.contains(QStringLiteral("c:\\Zavok001")));
    EXPECT_TRUE(zipFiles().isEmpty());
}

TEST_F(RunEndToEnd, AbortDuringTheFirstZipLeavesTheEarlierZipOfItsNameAndEveryVolume)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    const QString old = sourceRoot + QStringLiteral("/old.txt");
    writeHost(QStringLiteral("old.txt"), "from before");
    ASSERT_TRUE(tool(QStringLiteral("zip"), {QStringLiteral("-jq"), zipsHost + QStringLiteral("/game01.zip"), old}, zipsHost).ok());
    QFile before(zipsHost + QStringLiteral("/game01.zip"));
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = before.readAll();
    home.messages.answers.push_back(MessageResult::Ok); // add to the ZIP of that name

    auto fault = std::make_unique<ZipFault>(std::make_unique<LibzipComponent>(home.drives));
    fault->failTarget = QStringLiteral("e:\\zips\\game01");
    int abortedAt = -1;
    // The click lands part way through the volume, with the next ones
    // being deflated ahead.
    fault->duringWrite = [&](int percent, ZipComponent&) {
        if (percent >= 40 && abortedAt < 0) {
            abortedAt = percent;
            run->abortRun();
        }
    };
    makeRun(std::move(fault));
    run->runJob();

    EXPECT_GE(abortedAt, 40);
    EXPECT_LT(abortedAt, 100);
    EXPECT_EQ(view.run.status, QStringLiteral("Aborted"));
    QFile after(zipsHost + QStringLiteral("/game01.zip"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), oldBytes) << "the earlier ZIP is byte for byte as it was";
    EXPECT_EQ(QDir(zipsHost).entryList(QDir::Files | QDir::Hidden), QStringList{"game01.zip"})
        << "no partial ZIP and no half-written file";
    EXPECT_EQ(workFiles(), (QStringList{"game.r00", "game.r01", "game.r02", "game.rar"}));
    EXPECT_TRUE(presenter.shown.isEmpty());
}

TEST_F(RunEndToEnd, AFaultPartWayIntoZipKKeepsEveryZipBeforeItAndNoneAfter)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    auto fault = std::make_unique<ZipFault>(std::make_unique<LibzipComponent>(home.drives));
    fault->failTarget = QStringLiteral("e:\\zips\\game03");
    // The writer gives up half way through the third ZIP (as on a failed
    // write), while the run itself asked for no stop.
    fault->duringWrite = [](int percent, ZipComponent& inner) {
        if (percent >= 50)
            inner.setStop(true);
    };
    makeRun(std::move(fault));
    run->runJob();

    EXPECT_EQ(zipFiles(), numberedZips(2));
    checkZips(zipFiles(), rarVolumes(2), true, 2, 4);
    EXPECT_EQ(QDir(zipsHost).entryList(QDir::Files | QDir::Hidden), numberedZips(2));
    EXPECT_EQ(workFiles(), (QStringList{"game.r01", "game.r02"}));
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(view.window.listBarEnabled);
}

TEST_F(RunEndToEnd, AFullFileSystemInTheMiddleOfAZipKeepsTheZipsBeforeItAndTheVolumesFromIt)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    makeRun();
    // A first run into room enough tells how large the ZIPs come out.
    run->runJob();
    ASSERT_EQ(zipFiles(), numberedZips(4));
    qint64 firstTwo = 0;
    for (const QString& name : numberedZips(2))
        firstTwo += QFileInfo(zipsHost + QLatin1Char('/') + name).size();
    const qint64 third = QFileInfo(zipsHost + QStringLiteral("/game03.zip")).size();
    for (const QString& name : numberedZips(4))
        QFile::remove(zipsHost + QLatin1Char('/') + name);

    // Room for the first two ZIPs and half the third.
    const qint64 room = (firstTwo + third / 2) / 4096 * 4096;
    const QByteArray options = "size=" + QByteArray::number(room);
    if (::mount("tmpfs", QFile::encodeName(zipsHost).constData(), "tmpfs", 0, options.constData()) != 0)
        GTEST_SKIP() << "cannot mount a small file system here: " << std::strerror(errno);
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(zipsHost).constData(), MNT_DETACH); });

    makeRun();
    run->runJob();
    EXPECT_EQ(zipFiles(), numberedZips(2));
    checkZips(zipFiles(), rarVolumes(2), true, 2, 4);
    EXPECT_EQ(QDir(zipsHost).entryList(QDir::Files | QDir::Hidden), numberedZips(2))
        << "the half-written third ZIP is gone";
    EXPECT_EQ(workFiles(), (QStringList{"game.r01", "game.r02"}));
    EXPECT_TRUE(presenter.shown.size() == 1) << "only the first run reports";
}

TEST_F(RunEndToEnd, AZipSpoiledOnDiskAfterItWasWrittenFailsTheRunAndKeepsItsVolume)
{
    struct Case {
        const char* what;
        std::function<void(const QString& zipHost)> spoil;
        const char* named;
    };
    const Case cases[] = {
        {"a flipped byte", [](const QString& z) {
             QFile f(z);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             f.seek(f.size() / 2);
             char c = 0;
             f.getChar(&c);
             f.seek(f.size() / 2);
             f.putChar(char(c ^ 0x20));
         }, "game02.zip does not read back: game.r00: "},
        {"a cut", [](const QString& z) { QFile::resize(z, QFileInfo(z).size() - 100); },
         "game02.zip does not read back: cut short"},
    };
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    app.launchMode = LaunchMode::AutoRun;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& z : QDir(zipsHost).entryList(QDir::Files))
            QFile::remove(zipsHost + QLatin1Char('/') + z);
        home.shell = FakeShell();
        auto fault = std::make_unique<ZipFault>(std::make_unique<LibzipComponent>(home.drives));
        fault->failTarget = QStringLiteral("e:\\zips\\game02");
        fault->afterWrite = [this, &c] { c.spoil(zipsHost + QStringLiteral("/game02.zip")); };
        makeRun(std::move(fault));
        run->runJob();

        EXPECT_EQ(home.shell.exitCode, exitstatus::Stopped);
        EXPECT_TRUE(home.shell.endReason.startsWith(QStringLiteral("Verify failed: ") + QLatin1String(c.named)))
            << home.shell.endReason.toStdString();
        // The third ZIP was written while the second was read back; nothing after it.
        EXPECT_EQ(zipFiles(), numberedZips(3));
        EXPECT_FALSE(QFile::exists(zipsHost + QStringLiteral("/game.sfv")));
        // Each failed run keeps its own work directory.
        EXPECT_EQ(workFiles(QStringLiteral("c:\\Zavok00%1").arg(&c - cases + 1)),
                  (QStringList{"game.r00", "game.r01", "game.r02"}));
    }

    // At the window, the same failure is told in a message, after the word
    // that the last failed run, its complete ZIP gone, cannot be continued.
    app.launchMode = LaunchMode::Interactive;
    for (const QString& z : QDir(zipsHost).entryList(QDir::Files))
        QFile::remove(zipsHost + QLatin1Char('/') + z);
    auto fault = std::make_unique<ZipFault>(std::make_unique<LibzipComponent>(home.drives));
    fault->failTarget = QStringLiteral("e:\\zips\\game02");
    fault->afterWrite = [this, &cases] { cases[1].spoil(zipsHost + QStringLiteral("/game02.zip")); };
    makeRun(std::move(fault));
    run->runJob();
    ASSERT_EQ(home.messages.shown.size(), 2) << home.messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(home.messages.shown[0].text.startsWith(
        QStringLiteral("The interrupted run in c:\\Zavok002 cannot be continued: its complete ZIP game01.zip is missing.")));
    EXPECT_TRUE(home.messages.shown[1].text.contains(QStringLiteral("game02.zip does not read back")));
    EXPECT_TRUE(home.messages.shown[1].text.contains(QStringLiteral("Volumes 2 to 4 are still in c:\\Zavok003")));
    EXPECT_EQ(view.run.status, QStringLiteral("Verify failed"));
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(view.run.left.startsWith(QStringLiteral("1 of 4 ZIPs is complete in e:\\zips: game01.zip.")))
        << view.run.left.toStdString();

    // The same job continues that run: the ZIP that failed its read-back is
    // made again from its volume, and the one written beside it is kept once
    // it proves sound.
    app.launchMode = LaunchMode::AutoRun;
    home.shell = FakeShell();
    const QDateTime thirdMade = QFileInfo(zipsHost + QStringLiteral("/game03.zip")).lastModified();
    makeRun();
    run->runJob();
    EXPECT_EQ(home.shell.endCalls, 0) << home.shell.endReason.toStdString();
    EXPECT_TRUE(home.shell.reported.contains(QStringLiteral("continuing the interrupted run in c:\\Zavok003: 1 of 4 ZIPs are done")))
        << home.shell.reported.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(zipFiles(), numberedZips(4));
    EXPECT_TRUE(tool(QStringLiteral("unzip"), {QStringLiteral("-tq"), QStringLiteral("game02.zip")}, zipsHost).ok());
    EXPECT_EQ(QFileInfo(zipsHost + QStringLiteral("/game03.zip")).lastModified(), thirdMade) << "kept, not made again";
    checkSums(QStringLiteral("game"));
}

TEST_F(RunEndToEnd, ZipsLeftFromAnOlderLargerSetAreNamedAndTheChecksumFilesListOnlyTheNewSet)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    app.launchMode = LaunchMode::AutoRun;
    for (const char* older : {"game05.zip", "game06.zip"}) {
        QFile f(zipsHost + QLatin1Char('/') + QLatin1String(older));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("older");
    }
    makeRun();
    run->runJob();

    EXPECT_EQ(home.shell.endCalls, 0) << home.shell.endReason.toStdString();
    ASSERT_EQ(home.shell.warnings.size(), 1);
    EXPECT_TRUE(home.shell.warnings[0].startsWith(QStringLiteral("game05.zip, game06.zip in e:\\zips are not of this set of 4")))
        << home.shell.warnings[0].toStdString();
    QFile::remove(zipsHost + QStringLiteral("/game05.zip"));
    QFile::remove(zipsHost + QStringLiteral("/game06.zip"));
    checkSums(QStringLiteral("game"));
}

TEST_F(RunEndToEnd, WithVerifyAndChecksumFilesOffARunWritesTheZipsAlone)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    app.verifyAfterPacking = false;
    app.checksumFiles = false;
    makeRun();
    run->runJob();

    EXPECT_EQ(QDir(zipsHost).entryList(QDir::Files | QDir::Hidden), numberedZips(4));
    checkZips(zipFiles(), rarVolumes(4), true);
    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_TRUE(presenter.shown[0].verdict.startsWith(QStringLiteral("Every ZIP fits a 1.44 MB floppy")));
}

TEST_F(RunEndToEnd, TheVolumeSetIsTestedBesideThePackagingAndNoVolumeGoesBeforeItPassed)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    app.launchMode = LaunchMode::AutoRun;
    SlowDiskTester tester;
    tester.names = {"game.rar", "game.r00", "game.r01", "game.r02"};
    volumeTester = &tester;
    makeRun();
    run->runJob();
    EXPECT_EQ(home.shell.endCalls, 0) << home.shell.endReason.toStdString();
    EXPECT_EQ(tester.tested, tester.names);
    EXPECT_TRUE(tester.goneBeforeTested.isEmpty()) << tester.goneBeforeTested.join(' ').toStdString();
    EXPECT_TRUE(view.wholeRun.verdict.startsWith(QStringLiteral("Verified: 4 ZIPs and the set are sound;")));

    // A damaged third volume fails the run; it and every later one stay.
    for (const QString& z : QDir(zipsHost).entryList(QDir::Files))
        QFile::remove(zipsHost + QLatin1Char('/') + z);
    home.shell = FakeShell();
    tester = SlowDiskTester();
    tester.names = {"game.rar", "game.r00", "game.r01", "game.r02"};
    tester.faultAt = 2;
    makeRun();
    run->runJob();
    EXPECT_EQ(home.shell.exitCode, exitstatus::Stopped);
    const QString reason = home.shell.endReason;
    EXPECT_TRUE(reason.startsWith(QStringLiteral("Verify failed: the volume set the archiver wrote is not sound: game.r01: data CRC error; ")))
        << reason.toStdString();
    // Only ZIPs whose volumes passed count as complete, and volumes that
    // failed the test are never offered for a continued run.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("; [0-2] of 4 ZIPs complete in e:\\\\zips; [2-4] volumes \\(.*\\) stay in c:\\\\Zavok001 \\([^;]*\\)$"))
                    .match(reason).hasMatch())
        << reason.toStdString();
    const QStringList left = workFiles();
    EXPECT_TRUE(left.contains(QStringLiteral("game.r01")) && left.contains(QStringLiteral("game.r02"))) << left.join(' ').toStdString();
    EXPECT_FALSE(QFile::exists(zipsHost + QStringLiteral("/game.sfv")));

    // The next run of the job says why and starts afresh.
    home.shell = FakeShell();
    tester = SlowDiskTester();
    tester.names = {"game.rar", "game.r00", "game.r01", "game.r02"};
    makeRun();
    run->runJob();
    EXPECT_EQ(home.shell.endCalls, 0) << home.shell.endReason.toStdString();
    EXPECT_TRUE(home.shell.reported.value(0).startsWith(
        QStringLiteral("the interrupted run in c:\\Zavok001 cannot be continued: its volumes failed the set's test; starting afresh")))
        << home.shell.reported.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(tester.tested, tester.names);
}

TEST_F(RunEndToEnd, FoldersTheSetIsWrittenIntoAreLeftOutOfWhatItReads)
{
    // The ZIP folder lies inside the extra folder, and both inside the
    // source; so does the work folder, reached by a drive letter of its own.
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    writeHost(QStringLiteral("game/pack/setup.txt"), "run setup");
    const QString before = scratch(QStringLiteral("before"));
    ASSERT_EQ(tool(QStringLiteral("cp"), {QStringLiteral("-R"), sourceRoot + QStringLiteral("/game/."), before}, before).exitCode, 0);
    dropFromTree(before, QStringLiteral("skipme"));
    writeHost(QStringLiteral("game/pack/zips/older.zip"), "a set made before");
    job.setExtraPath(QStringLiteral("d:\\game\\pack"));
    job.setZipDirectory(QStringLiteral("d:\\GAME\\pack\\zips"));
    ASSERT_TRUE(home.map.mapDrive(QLatin1Char('w'), sourceRoot + QStringLiteral("/game")));
    job.setWorkDrive(QLatin1Char('w'));
    zipsHost = sourceRoot + QStringLiteral("/game/pack/zips");
    makeRun();
    run->runJob();

    const QStringList zips = zipFiles().filter(QStringLiteral("game"));
    ASSERT_EQ(zips.size(), 4) << home.messages.texts().join(QLatin1Char('|')).toStdString();
    for (const QString& z : zips) {
        const QStringList entries = zipEntries(z);
        EXPECT_TRUE(entries.contains(QStringLiteral("setup.txt"))) << z.toStdString();
        for (const QString& e : entries)
            EXPECT_FALSE(e.endsWith(QLatin1String(".zip")) || e.contains(QLatin1String("zavok32-lock"))
                         || e.startsWith(QLatin1String("zips/")))
                << z.toStdString() << ": " << e.toStdString();
    }
    checkSource(zips, QStringLiteral("game.rar"), before);
}

TEST_F(RunEndToEnd, AnExtraFarLargerThanAVolumeOrAZipFolderThatIsWhatItPacksIsRefusedBeforeTheArchiver)
{
    makeTree(QStringLiteral("game"));
    setUpJob(QStringLiteral("d:\\game"), false);
    writeZeros(QStringLiteral("big.bin"), 15000000);
    struct Case {
        QString extra;
        bool file;
        QString zipDirectory;
        QString told;
    };
    const QList<Case> cases = {
        // The whole file system: counted only until it is too much.
        {QStringLiteral("z:\\"), false, QStringLiteral("e:\\zips"), QStringLiteral("The extra folder z:\\ holds at least ")},
        {QStringLiteral("d:\\big.bin"), true, QStringLiteral("e:\\zips"),
         QStringLiteral("The extra file d:\\big.bin has 15,000,000 bytes, and it goes into every ZIP of the set: an extra "
                        "may hold at most ten volumes, 14,400,000 bytes.")},
        {QStringLiteral("d:\\extra"), false, QStringLiteral("d:\\game"), QStringLiteral("The ZIP folder d:\\game is the source folder")},
        {QStringLiteral("d:\\extra"), false, QStringLiteral("d:\\extra"), QStringLiteral("The ZIP folder d:\\extra is the extra folder")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.extra.toStdString());
        for (LaunchMode mode : {LaunchMode::Interactive, LaunchMode::AutoRun}) {
            home.messages.shown.clear();
            home.shell = FakeShell();
            app.launchMode = mode;
            job.chooseExtra(c.file ? ExtraChoice::File : ExtraChoice::Directory);
            job.setExtraPath(c.extra);
            job.setZipDirectory(c.zipDirectory);
            makeRun();
            QElapsedTimer clock;
            clock.start();
            run->runJob();
            EXPECT_LT(clock.elapsed(), 60000) << "the file system was not walked to its end";
            const QString told = mode == LaunchMode::AutoRun ? home.shell.endReason : home.messages.texts().join(QLatin1Char('|'));
            EXPECT_TRUE(told.startsWith(c.told)) << told.toStdString();
            EXPECT_TRUE(told.contains(QLatin1String("Nothing was packaged"))) << told.toStdString();
            if (mode == LaunchMode::AutoRun) {
                EXPECT_EQ(home.shell.exitCode, 2);
            }
            EXPECT_FALSE(home.drives.pathExists(QStringLiteral("c:\\Zavok001"))) << "the archiver ran";
            EXPECT_TRUE(zipFiles().isEmpty());
        }
    }
}
