#include "doubles/temphome.h"
#include "pipeline/cleanuplist.h"
#include "pipeline/setlock.h"
#include "resume/zipfolders.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

void put(const QString& path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(size, 'v'));
}

// A run stopped before its first ZIP (it can go on), one whose archiver was
// killed (it cannot), and an unfinished ZIP; beside them the files of a run
// that goes on right now, which are not offered.
struct CleanUp : ::testing::Test {
    TempHome home;
    QString c, zips;

    void SetUp() override
    {
        c = home.host("c:\\");
        zips = home.addDrive('e') + "/zips";
        RunJournal journal;
        journal.started = QDateTime::fromSecsSinceEpoch(1000000000, Qt::UTC);
        journal.begun = journal.started;
        journal.settings = {{"zip-folder", "e:\\zips"}, {"base-name", "demo"}};
        journal.setWhole = true;
        for (const char* name : {"demo.rar", "demo.r00"}) {
            put(c + "/Zavok001/" + name, 1500000);
            journal.volumes << *WorkFolder::volumeNow(c + "/Zavok001", name);
        }
        ASSERT_TRUE(journal.write(c + "/Zavok001"));
        journal = RunJournal{journal.started, journal.begun, journal.settings, {}, {}, false, false, {}};
        put(c + "/Zavok002/demo.rar", 700000);
        ASSERT_TRUE(journal.write(c + "/Zavok002"));
        put(zips + "/demo03.zip.unfinished-AbCdEf", 300000);
        put(zips + "/live01.zip.unfinished-XyZ123", 10);
        ASSERT_TRUE(zipfolders::remember(home.home(), "e:\\zips"));
    }
};

} // namespace

TEST_F(CleanUp, ListsWhatStoppedRunsLeftAndDeletesOnlyWhatIsTickedAfterAsking)
{
    SetLock live;
    ASSERT_EQ(live.acquire(zips, "live"), SetLock::Result::Locked);
    CleanUpList list(home.drives, home.messages, home.home());
    list.refresh();
    const CleanUpView& view = list.view();
    ASSERT_EQ(view.rows.size(), 3);
    EXPECT_EQ(view.rows[0].name, "c:\\Zavok001");
    EXPECT_EQ(view.rows[0].what, "Can go on: 0 of 2 ZIPs are done");
    EXPECT_FALSE(view.rows[0].ticked);
    EXPECT_EQ(view.rows[0].size, "3.0 MB");
    EXPECT_EQ(view.rows[1].what, "Cannot go on: the archiver had not finished its set");
    EXPECT_TRUE(view.rows[1].ticked);
    EXPECT_EQ(view.rows[2].name, "e:\\zips\\demo03.zip.unfinished-AbCdEf");
    EXPECT_TRUE(view.rows[2].ticked);
    EXPECT_EQ(view.summary, "2 of 3 ticked: 1.0 MB");
    EXPECT_TRUE(view.deleteEnabled);

    list.setTicked(2, false);
    EXPECT_EQ(list.view().summary, "1 of 3 ticked: 0.7 MB");
    home.messages.answers.push_back(MessageResult::No);
    EXPECT_EQ(list.deleteTicked(), 0);
    EXPECT_TRUE(QDir(c + "/Zavok002").exists());
    EXPECT_EQ(home.messages.shown.last().text, "Delete c:\\Zavok002 (0.7 MB)?\rThis cannot be undone.");

    list.setTicked(2, true);
    EXPECT_GE(list.deleteTicked(), 1000000); // answered Yes
    EXPECT_FALSE(QDir(c + "/Zavok002").exists());
    EXPECT_FALSE(QFile::exists(zips + "/demo03.zip.unfinished-AbCdEf"));
    EXPECT_TRUE(QFile::exists(zips + "/live01.zip.unfinished-XyZ123")) << "a live run's file is never offered";
    ASSERT_EQ(list.view().rows.size(), 1);
    EXPECT_EQ(list.view().rows[0].name, "c:\\Zavok001");

    EXPECT_EQ(CleanUpList::startupNotice(WorkFolder::onEveryDrive(home.drives)),
              "An interrupted run left its work folder (3.0 MB): c:\\Zavok001. Zavok! continues a run of the same "
              "job; Options > Clean up removes it.");
    list.setTicked(0, true);
    list.deleteTicked();
    EXPECT_EQ(list.view().empty.left(21), "Nothing to clean up: ");
    EXPECT_FALSE(list.view().deleteEnabled);
}
