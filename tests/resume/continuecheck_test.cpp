#include "doubles/temphome.h"
#include "job/ripjob.h"
#include "platform/zipcrc.h"
#include "resume/jobidentity.h"
#include "resume/treemeasure.h"
#include "resume/workfolder.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

// An interrupted run of the set "game": three volumes in c:\Zavok001, the
// first already packed into e:\zips\game01.zip and deleted.
struct Interrupted : ::testing::Test {
    TempHome home;
    QString work;
    QString zips;
    RunJournal journal;

    void SetUp() override
    {
        zips = home.addDrive('e') + "/zips";
        QDir().mkpath(zips);
        work = home.host("c:\\") + "/Zavok001";
        QDir().mkpath(work);
        QDir().mkpath(home.host("c:\\") + "/Zavok002"); // an archives-only set: no journal
        journal = RunJournal();
        journal.started = QDateTime::fromSecsSinceEpoch(1000000000, Qt::UTC);
        journal.begun = journal.started;
        journal.settings = {{"zip-folder", "e:\\zips"}, {"base-name", "game"}};
        journal.setWhole = true;
        for (const char* name : {"game.rar", "game.r00", "game.r01"}) {
            put(work + "/" + name, QByteArray(1000, name[6]));
            journal.volumes << *WorkFolder::volumeNow(work, name);
        }
        put(zips + "/game01.zip", "PK zip of volume 1");
        journal.zips << RunJournal::Zip{1, "game01.zip", 18, *zipcrc::ofFile(zips + "/game01.zip")};
        QFile::remove(work + "/game.rar");
        ASSERT_TRUE(journal.write(work));
    }
    static void put(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    WorkFolder found() const
    {
        const QList<WorkFolder> folders = WorkFolder::onDrive('c', home.drives);
        EXPECT_EQ(folders.size(), 1);
        return folders.value(0);
    }
};

} // namespace

TEST_F(Interrupted, ARunIsContinuedOnlyWithItsSetWholeAndItsZipsAsTheyWereMade)
{
    const WorkFolder intact = found();
    EXPECT_EQ(intact.dos, "c:\\Zavok001");
    EXPECT_EQ(intact.whyNotContinuable(home.drives), "");
    const Leftovers left = intact.leftovers();
    EXPECT_EQ(left.doneText(), "1 of 3 ZIPs are done");
    EXPECT_EQ(left.volumesText(), "2 volumes (0.0 MB)");

    const struct {
        const char* name;
        std::function<void(Interrupted&)> change;
        QString why;
    } cases[] = {
        {"volume gone", [](Interrupted& t) { QFile::remove(t.work + "/game.r00"); }, "its volume game.r00 is missing"},
        {"volume grown", [](Interrupted& t) { put(t.work + "/game.r01", QByteArray(1001, 'x')); }, "its volume game.r01 has changed since"},
        {"ZIP gone", [](Interrupted& t) { QFile::remove(t.zips + "/game01.zip"); }, "its complete ZIP game01.zip is missing"},
        {"ZIP rewritten", [](Interrupted& t) { put(t.zips + "/game01.zip", "PK zip of volume X"); },
         "its complete ZIP game01.zip has changed since it was made"},
        {"archiver cut short",
         [](Interrupted& t) {
             t.journal.setWhole = false;
             t.journal.volumes.clear();
             t.journal.zips.clear();
             t.journal.write(t.work);
         },
         "the archiver had not finished its set"},
        {"set failed its test",
         [](Interrupted& t) {
             t.journal.setUnsound = true;
             t.journal.write(t.work);
         },
         "its volumes failed the set's test"},
        {"journal cut", [](Interrupted& t) { QFile(t.work + "/" + RunJournal::fileName()).resize(30); },
         "its journal cannot be used: the journal is cut short"},
    };
    for (const auto& c : cases) {
        SetUp(); // each case from the same untouched run
        c.change(*this);
        EXPECT_EQ(found().whyNotContinuable(home.drives), c.why) << c.name;
    }
}

TEST(JobIdentity, SaysWhichSettingOrWhatOfTheSourceChanged)
{
    TempHome home;
    const QString d = home.addDrive('d');
    QDir().mkpath(d + "/game/sub");
    const auto put = [&](const QString& rel, const QByteArray& bytes) {
        QFile f(d + "/" + rel);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    put("game/a.dat", "aaaa");
    put("game/sub/b.dat", "bb");
    put("file_id.diz", "Game 01/02");
    RipJob job;
    job.setSourcePath("d:\\game");
    job.setDizPath("d:\\file_id.diz");
    job.setZipDirectory("e:\\zips");
    job.setZipBaseName("game");

    const auto before = JobIdentity::settings(job, false, home.drives, home.home());
    EXPECT_EQ(JobIdentity::difference(before, before), "");
    job.setArchiver(Archiver::Ace);
    EXPECT_EQ(JobIdentity::difference(before, JobIdentity::settings(job, false, home.drives, home.home())),
              "the archiver has changed since (RAR then, ACE now)");
    job.setArchiver(Archiver::Rar);
    put("file_id.diz", "Game 01/03");
    EXPECT_EQ(JobIdentity::difference(before, JobIdentity::settings(job, false, home.drives, home.home())),
              "the description file's text has changed since");
    EXPECT_EQ(JobIdentity::difference(before, JobIdentity::settings(job, true, home.drives, home.home())),
              "the date in the ZIP names (the $ start) has changed since (off then, on now)");
    auto otherSet = before;
    otherSet[9].second = "other";
    EXPECT_FALSE(JobIdentity::sameSet(before, otherSet));
    EXPECT_TRUE(JobIdentity::sameSet(before, JobIdentity::settings(job, true, home.drives, home.home())));

    const QString measured = JobIdentity::sourceMeasure(job, home.drives, {});
    EXPECT_EQ(JobIdentity::sourceMeasure(job, home.drives, {}), measured) << "the same tree, measured again";
    QThread::msleep(20);
    put("game/sub/b.dat", "cc");
    EXPECT_EQ(JobIdentity::measureDifference(measured, JobIdentity::sourceMeasure(job, home.drives, {})),
              "the source has changed since (a file was written, renamed or replaced)");
    put("game/c.dat", "c");
    EXPECT_EQ(JobIdentity::measureDifference(measured, JobIdentity::sourceMeasure(job, home.drives, {})),
              "the source has changed since (2 files, 0.0 MB then, 3 files, 0.0 MB now)");
    // A run's own folders inside the source do not count.
    const QString measuredNow = JobIdentity::sourceMeasure(job, home.drives, {d + "/game/zips"});
    QDir().mkpath(d + "/game/zips");
    put("game/zips/game01.zip", "zip");
    QDir().mkpath(d + "/game/Zavok001");
    put("game/Zavok001/" + RunJournal::fileName(), "journal");
    EXPECT_EQ(JobIdentity::sourceMeasure(job, home.drives, {d + "/game/zips"}), measuredNow);
}
