#include "doubles/fakes.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "pipeline/volumenaming.h"

#include <gtest/gtest.h>

using namespace volumenaming;

namespace {

QStringList volumeNames(Archiver archiver, bool threeDigit, int count)
{
    QStringList names;
    for (int n = 1; n <= count; ++n)
        names << volumeFileName(archiver, QStringLiteral("base"), threeDigit, n);
    return names;
}

struct ZipNaming : ::testing::Test {
    RipJob job;
    RipRunState run;
    FixedClock clock;

    void SetUp() override
    {
        job.setZipBaseName(QStringLiteral("base"));
        job.setZipDirectory(QStringLiteral("d:\\zips"));
        job.setArchiveSizeStep(3);
        run.volumeCount = 12;
    }
    QString shown(int n, LaunchMode mode = LaunchMode::Interactive)
    {
        return zipFileName(job, run, mode, clock, n).shownFileName;
    }
};

} // namespace

TEST(VolumeFileName, RarTwoDigitSetOfTwelve)
{
    const QStringList names = volumeNames(Archiver::Rar, false, 12);
    EXPECT_EQ(names.first(), "base.rar");
    EXPECT_EQ(names[1], "base.r00");
    EXPECT_EQ(names.last(), "base.r10");
}

TEST(VolumeFileName, RarMovesToTheNextLetterAfterR99)
{
    const QStringList names = volumeNames(Archiver::Rar, false, 303);
    EXPECT_EQ(names[100], "base.r99");  // volume 101
    EXPECT_EQ(names[101], "base.s00");  // volume 102: RAR never writes .r100
    EXPECT_EQ(names[201], "base.t00");
    EXPECT_EQ(names[302], "base.u01");
    for (const QString& name : names)
        EXPECT_LE(name.size(), 8) << name.toStdString();
}

TEST(VolumeFileName, RarThreeDigitStartsAt001)
{
    const QStringList names = volumeNames(Archiver::Rar, true, 150);
    EXPECT_EQ(names[0], "base.001");
    EXPECT_EQ(names[1], "base.002");
    EXPECT_EQ(names[149], "base.150");
}

TEST(VolumeFileName, AceGoesFromC99ToThreeDigitsWhateverTheNumbering)
{
    for (bool threeDigit : {false, true}) {
        const QStringList names = volumeNames(Archiver::Ace, threeDigit, 103);
        EXPECT_EQ(names[0], "base.ace");
        EXPECT_EQ(names[1], "base.c00");
        EXPECT_EQ(names[100], "base.c99");
        EXPECT_EQ(names[101], "base.100");
        EXPECT_EQ(names[102], "base.101");
    }
}

TEST(VolumeFileName, FollowsTheJobAndTheRun)
{
    RipJob job;
    job.setZipBaseName(QStringLiteral("game"));
    RipRunState run;
    run.threeDigitNumbering = true;
    EXPECT_EQ(volumeFileName(job, run, 3), "game.003");
    job.setArchiver(Archiver::Ace);
    EXPECT_EQ(volumeFileName(job, run, 3), "game.c01");
}

TEST_F(ZipNaming, TwoDigitNumbersThatGrowPast99)
{
    EXPECT_EQ(shown(1), "base01.zip");
    EXPECT_EQ(shown(12), "base12.zip");
    run.volumeCount = 103;
    EXPECT_EQ(shown(100), "base100.zip");
}

TEST_F(ZipNaming, ThreeDigitNumbers)
{
    run.threeDigitNumbering = true;
    run.volumeCount = 150;
    EXPECT_EQ(shown(1), "base001.zip");
    EXPECT_EQ(zipFileName(job, run, LaunchMode::Interactive, clock, 2).zipNumberText, "002");
}

TEST_F(ZipNaming, ASingleArchiveHasNoNumber)
{
    run.volumeCount = 1;
    EXPECT_EQ(shown(1), "base.zip");
    job.setArchiveSizeStep(0);
    run.volumeCount = 3;
    const ZipName name = zipFileName(job, run, LaunchMode::Interactive, clock, 2);
    EXPECT_EQ(name.zipNumberText, "");
    EXPECT_EQ(name.targetName, "d:\\zips\\base");
}

TEST_F(ZipNaming, TargetNameInAFolderOrAtADriveRoot)
{
    EXPECT_EQ(zipFileName(job, run, LaunchMode::Interactive, clock, 3).targetName, "d:\\zips\\base03");
    job.setZipDirectory(QStringLiteral("C:\\"));
    EXPECT_EQ(zipFileName(job, run, LaunchMode::Interactive, clock, 3).targetName, "C:\\base03");
}

TEST_F(ZipNaming, DatedRunsPutTodayAfterTheBaseName)
{
    EXPECT_EQ(shown(1, LaunchMode::AutoRunDated), "base1279901.zip");
    EXPECT_EQ(shown(1, LaunchMode::AutoRun), "base01.zip");
    EXPECT_EQ(dateText(QDate(2004, 3, 25)), "032504");

    // A run that passes midnight dates the next ZIP with the new day.
    clock.at = QDateTime(QDate(2000, 1, 1), QTime(0, 0, 1));
    const ZipName name = zipFileName(job, run, LaunchMode::AutoRunDated, clock, 2);
    EXPECT_EQ(name.dateText, "01100");
    EXPECT_EQ(name.targetName, "d:\\zips\\base0110002");
}

TEST_F(ZipNaming, StartVolumeFillsTheRunStateAndTheRunPage)
{
    ViewState view;
    const ZipName name = startVolume(job, run, view, LaunchMode::AutoRunDated, clock, 3);
    EXPECT_EQ(run.zipNumberText, "03");
    EXPECT_EQ(run.dateText, "12799");
    EXPECT_EQ(view.run.zipName, "base1279903.zip");
    EXPECT_EQ(view.run.counter, " 3 of 12");
    EXPECT_EQ(name.shownFileName, view.run.zipName);
}
