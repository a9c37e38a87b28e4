#include "doubles/temphome.h"
#include "source/drivesetup.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QStringList drivesOf(const DriveSetupView& view)
{
    QStringList drives;
    for (const DriveRow& row : view.rows)
        drives << row.drive;
    return drives;
}

} // namespace

class DriveSetupTest : public ::testing::Test
{
protected:
    DriveSetupTest()
        : games(QFileInfo(t.dir.path()).canonicalFilePath() + "/Games")
        , cdrom(QFileInfo(t.dir.path()).canonicalFilePath() + "/cdrom")
        , setup(t.map, t.drives, [this] { return volumes; })
    {
        QDir().mkpath(games);
        QDir().mkpath(cdrom);
        MountedVolume cd;
        cd.root = cdrom;
        cd.label = "GAME_CD";
        cd.optical = cd.removable = true;
        volumes << cd;
        setup.refresh();
        setup.drivesChanged = [this] { ++changes; };
    }

    TempHome t;
    QString games;
    QString cdrom;
    QList<MountedVolume> volumes;
    DriveSetup setup;
    int changes = 0;
};

TEST_F(DriveSetupTest, EveryLetterIsListedWithItsFolderAndRoom)
{
    const DriveSetupView& v = setup.view();
    EXPECT_EQ(drivesOf(v), (QStringList{"c:", "z:"}));
    EXPECT_EQ(v.rows[0].target, t.home() + "/drive_c");
    EXPECT_EQ(v.rows[0].label, "drive_c");
    EXPECT_TRUE(v.rows[0].freeSpace.endsWith(" MB free"));
    EXPECT_EQ(v.rows[1].target, "/");
    EXPECT_EQ(v.letterChoices.size(), 26);
    EXPECT_EQ(v.letterChoices.value(v.currentLetter), "d:") << "the first free letter after c is offered";
    EXPECT_EQ(v.volumeChoices, QStringList{"GAME_CD (CD/DVD, " + cdrom + ")"});
    EXPECT_FALSE(v.addEnabled) << "no folder yet";
    EXPECT_FALSE(v.removeEnabled);
}

TEST_F(DriveSetupTest, AddTakesAFreeLetterAndAnExistingFolder)
{
    setup.setTarget(games + "/missing");
    EXPECT_FALSE(setup.view().addEnabled);
    EXPECT_EQ(setup.view().status, DriveSetup::notAFolderText(games + "/missing"));
    EXPECT_FALSE(setup.add());
    EXPECT_EQ(changes, 0);

    setup.setTarget(games + "/");
    ASSERT_TRUE(setup.view().addEnabled);
    ASSERT_TRUE(setup.add());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(*t.map.driveRoot(QLatin1Char('d')), games);
    EXPECT_EQ(drivesOf(setup.view()), (QStringList{"c:", "d:", "z:"}));
    EXPECT_EQ(setup.view().selectedRow, 1);
    EXPECT_EQ(setup.view().rows[1].label, "Games");
    EXPECT_FALSE(setup.view().addEnabled) << "d: is taken now";
    EXPECT_FALSE(setup.view().changeEnabled) << "it already points there";
    EXPECT_TRUE(setup.view().removeEnabled);
}

TEST_F(DriveSetupTest, AMountedVolumeBecomesADriveNamedByItsLabel)
{
    setup.chooseLetter(QLatin1Char('E'));
    setup.chooseVolume(0);
    EXPECT_EQ(setup.view().target, cdrom);
    ASSERT_TRUE(setup.add());
    EXPECT_EQ(t.map.linkTarget(QLatin1Char('e')), cdrom);
    EXPECT_EQ(t.drives.toDos(cdrom + "/setup.exe"), "e:\\setup.exe");
}

TEST_F(DriveSetupTest, ChangeRepointsTheSelectedLetter)
{
    t.map.mapDrive(QLatin1Char('d'), games);
    setup.refresh();
    setup.selectRow(1);
    EXPECT_EQ(setup.view().letterChoices.value(setup.view().currentLetter), "d:");
    EXPECT_EQ(setup.view().target, games);
    EXPECT_FALSE(setup.view().changeEnabled);

    setup.setTarget(cdrom);
    ASSERT_TRUE(setup.view().changeEnabled);
    EXPECT_FALSE(setup.view().addEnabled);
    ASSERT_TRUE(setup.change());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(*t.map.driveRoot(QLatin1Char('d')), cdrom);
    EXPECT_EQ(setup.view().rows[1].target, cdrom);
}

TEST_F(DriveSetupTest, CStaysAndEveryOtherLetterCanBeRemoved)
{
    setup.selectRow(0);
    EXPECT_FALSE(setup.view().removeEnabled);
    EXPECT_EQ(setup.view().status, DriveSetup::cannotRemoveText());
    EXPECT_FALSE(setup.remove());
    EXPECT_TRUE(t.map.letters().contains(QLatin1Char('c')));

    setup.selectRow(1);
    ASSERT_TRUE(setup.view().removeEnabled);
    ASSERT_TRUE(setup.remove());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(t.map.letters(), QList<QChar>{QLatin1Char('c')});
    EXPECT_EQ(drivesOf(setup.view()), QStringList{"c:"});
    EXPECT_EQ(setup.view().selectedRow, -1);
}

TEST_F(DriveSetupTest, ALetterWhoseMediumIsGoneStaysAndSaysSo)
{
    t.map.mapDrive(QLatin1Char('f'), cdrom);
    QDir(cdrom).removeRecursively();
    setup.refresh();
    ASSERT_EQ(drivesOf(setup.view()), (QStringList{"c:", "f:", "z:"}));
    const DriveRow& f = setup.view().rows[1];
    EXPECT_FALSE(f.hasMedium);
    EXPECT_EQ(f.freeSpace, "no medium");
    EXPECT_EQ(f.target, cdrom);
    setup.selectRow(1);
    EXPECT_TRUE(setup.view().status.contains("has no medium"));
    EXPECT_TRUE(setup.view().removeEnabled);
}
