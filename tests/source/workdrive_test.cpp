#include "sourcefixture.h"

#include "platform/mountedvolumes.h"
#include "source/workdrive.h"

#include <QDir>

class WorkDriveTest : public SourceTest
{
protected:
    WorkDriveTest()
        : workDrive(job, view, t.services)
    {
        t.addDrive(QLatin1Char('e'));
        drives.figures[QLatin1Char('c')] = {40000000000LL, 20000000000LL};
        drives.figures[QLatin1Char('d')] = {40000000000LL, 1500000000LL};
        drives.figures[QLatin1Char('e')] = {650000000, 0}; // a CD
        workDrive.refreshDrives();
    }

    void choose(const QString& item)
    {
        workDrive.itemChosen(item);
    }

    WorkDrive workDrive;
};

TEST_F(WorkDriveTest, TheListNamesEveryMappedDriveAndStartsOnC)
{
    // Each item is the letter, ":" and the drive's folder or volume label.
    const QString z = "z: " + MountedVolumes::labelOf("/");
    EXPECT_EQ(WorkDrive::driveItems(drives), (QStringList{"c: drive_c", "d: drive_d", "e: drive_e", z}));
    EXPECT_EQ(view.source.driveItems, (QStringList{"c: drive_c", "d: drive_d", "e: drive_e", z}));
    EXPECT_EQ(workDrive.currentItem(), "c: drive_c");
    // Filling the list is not a choice: nothing was measured or warned.
    EXPECT_TRUE(view.source.freeSpaceLabel.isEmpty());

    choose("d:");
    t.map.unmapDrive(QLatin1Char('e'));
    workDrive.refreshDrives();
    EXPECT_EQ(view.source.driveItems, (QStringList{"c: drive_c", "d: drive_d", z}));
    EXPECT_EQ(workDrive.currentItem(), "d: drive_d");
    t.map.unmapDrive(QLatin1Char('d'));
    workDrive.refreshDrives();
    EXPECT_EQ(workDrive.currentItem(), "c: drive_c");
}

TEST_F(WorkDriveTest, AChosenDriveShowsItsRoomAndBecomesTheWorkDrive)
{
    choose("d:");
    EXPECT_EQ(view.source.freeSpaceLabel, "Free space on\r 1500 Meg.");
    EXPECT_EQ(job.workDrive(), QLatin1Char('d'));
    EXPECT_EQ(workDrive.currentItem(), "d: drive_d");
    EXPECT_EQ(t.shell.focuses.last(), FocusTarget::SourceSink);
    EXPECT_TRUE(t.messages.shown.isEmpty()) << "nothing measured, nothing to warn about";

    // Halves go to the even neighbour.
    drives.figures[QLatin1Char('z')] = {1, 2500000};
    choose("z:");
    EXPECT_EQ(view.source.freeSpaceLabel, "Free space on\r 2 Meg.");
    drives.figures[QLatin1Char('d')] = {1, 3500000};
    choose("d:");
    EXPECT_EQ(view.source.freeSpaceLabel, "Free space on\r 4 Meg.");
}

TEST_F(WorkDriveTest, ACdOrAnAlmostFullDriveGivesWayToDriveC)
{
    choose("d:");
    choose("e:");
    EXPECT_EQ(workDrive.currentItem(), "c: drive_c");
    EXPECT_EQ(job.workDrive(), QLatin1Char('c'));
    EXPECT_EQ(view.source.freeSpaceLabel, "Free space on\r 20000 Meg.");

    drives.figures[QLatin1Char('d')] = {40000000000LL, 1999999};
    choose("d:");
    EXPECT_EQ(workDrive.currentItem(), "c: drive_c");
    EXPECT_EQ(job.workDrive(), QLatin1Char('c'));
    drives.figures[QLatin1Char('d')] = {40000000000LL, 2000000};
    choose("d:");
    EXPECT_EQ(job.workDrive(), QLatin1Char('d'));
    EXPECT_EQ(view.source.freeSpaceLabel, "Free space on\r 2 Meg.");

    // A drive without a medium is refused the same way, without a message.
    QDir(t.host("e:\\")).removeRecursively();
    drives.figures.remove(QLatin1Char('e'));
    choose("e:");
    EXPECT_EQ(job.workDrive(), QLatin1Char('c'));
    EXPECT_TRUE(t.messages.shown.isEmpty());
}

TEST_F(WorkDriveTest, AFullDriveCThatIsAlreadyCurrentChangesNothing)
{
    view.source.freeSpaceLabel = "Free space on\r 20000 Meg.";
    drives.figures[QLatin1Char('c')] = {40000000000LL, 100};
    choose("e:");
    EXPECT_EQ(workDrive.currentItem(), "c: drive_c");
    EXPECT_EQ(job.workDrive(), QLatin1Char('c'));
    EXPECT_EQ(view.source.freeSpaceLabel, "Free space on\r 20000 Meg.");
    EXPECT_TRUE(workDrive.selectDrive(QLatin1Char('c')));
    EXPECT_EQ(view.source.freeSpaceLabel, "Free space on\r 20000 Meg.");
    EXPECT_FALSE(workDrive.selectDrive(QLatin1Char('q')));
}

TEST_F(WorkDriveTest, TheWarningComesOnlyForASourceBiggerThanTheRoom)
{
    choose("d:"); // 1,500,000,000 bytes free
    job.setSourceMegabytes(1500.0f);
    EXPECT_TRUE(workDrive.freeSpaceTest());
    EXPECT_TRUE(t.messages.shown.isEmpty());

    job.setSourceMegabytes(1500.1f);
    EXPECT_TRUE(workDrive.freeSpaceTest());
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].title, "Zavok32 error");
    EXPECT_EQ(t.messages.shown[0].text,
              "You might not have enough free space on\rd drive for Rar's/Ace's, should pick another drive.");
    EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(job.workDrive(), QLatin1Char('d')) << "the choice stands";

    // A drive change warns too, and keeps the drive.
    drives.figures[QLatin1Char('z')] = {1, 1000000000};
    choose("z:");
    EXPECT_EQ(t.messages.shown.size(), 2);
    EXPECT_EQ(job.workDrive(), QLatin1Char('z'));
}

TEST_F(WorkDriveTest, LessThanAMillionBytesLeftIsStillComparedInMegabytes)
{
    // Drive c is the fallback of every refusal, so it can be current with
    // hardly any room; its bytes must not pass for megabytes.
    drives.figures[QLatin1Char('c')] = {40000000000LL, 999999};
    job.setSourceMegabytes(1.5f);
    EXPECT_TRUE(workDrive.freeSpaceTest());
    EXPECT_EQ(t.messages.shown.size(), 1);

    job.setSourceMegabytes(0.0f);
    drives.figures[QLatin1Char('c')] = {40000000000LL, 0};
    EXPECT_TRUE(workDrive.freeSpaceTest());
    EXPECT_EQ(t.messages.shown.size(), 1) << "no source measured, no warning";
}
