#include "job/ripjob.h"
#include "job/riprunstate.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(RipJob, SourceKindFollowsImageModeAndThePath)
{
    EXPECT_EQ(RipJob::sourceKindOf(false, "d:\\"), SourceKind::WholeDrive);
    EXPECT_EQ(RipJob::sourceKindOf(false, "d:"), SourceKind::WholeDrive);
    EXPECT_EQ(RipJob::sourceKindOf(false, "d:\\games"), SourceKind::Directory);
    EXPECT_EQ(RipJob::sourceKindOf(true, "d:\\cd\\game.iso"), SourceKind::IsoImage);
    EXPECT_EQ(RipJob::sourceKindOf(true, "d:\\cd\\game.bin"), SourceKind::BinCueImage);
    EXPECT_EQ(RipJob::sourceKindOf(true, "d:\\cd\\game.cue"), SourceKind::BinCueImage);
    EXPECT_EQ(RipJob::sourceKindText(SourceKind::BinCueImage), "CD image Bin/Cue files");
}

TEST(RipJob, StartValues)
{
    RipJob job;
    EXPECT_EQ(job.archiveSizeStep(), 3);
    EXPECT_EQ(job.archiveCompression(), 3);
    EXPECT_EQ(job.zipCompression(), 3);
    EXPECT_EQ(job.archiver(), Archiver::Rar);
    EXPECT_EQ(job.workDrive(), QLatin1Char('c'));
    EXPECT_EQ(job.extraChoice(), ExtraChoice::Neither);
    EXPECT_EQ(job.zipBaseNameBound(), 6);
}

TEST(RipJob, LoweringTheNameBoundCutsTheName)
{
    RipJob job;
    job.setZipBaseNameBound(RipJob::kLongNameBound);
    job.setZipBaseName("abcdefghijkl");
    EXPECT_EQ(job.zipBaseName(), "abcdefghijkl");
    job.setZipBaseNameBound(RipJob::kShortNameBound);
    EXPECT_EQ(job.zipBaseName(), "abcdef");
    job.setZipBaseNameBound(RipJob::kThreeDigitNameBound);
    EXPECT_EQ(job.zipBaseName(), "abcde");
    job.setZipBaseName("longer name");
    EXPECT_EQ(job.zipBaseName(), "longe");
}

TEST(RipJob, FieldsRefuseValuesOutsideTheirRangeAndAnnounceChanges)
{
    RipJob job;
    QSignalSpy spy(&job, &RipJob::changed);
    EXPECT_FALSE(job.setArchiveSizeStep(200));
    EXPECT_FALSE(job.setArchiveSizeStep(-1));
    EXPECT_FALSE(job.setArchiveCompression(6));
    EXPECT_FALSE(job.setZipCompression(-2));
    EXPECT_FALSE(job.setFirstZipOnly(2));
    EXPECT_EQ(spy.count(), 0);
    EXPECT_TRUE(job.setArchiveSizeStep(199));
    EXPECT_TRUE(job.setArchiveCompression(-1));
    job.setSourcePath("d:\\games");
    job.setSourcePath("d:\\games"); // no change, no notice
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(2).at(0).value<RipJob::Field>(), RipJob::Field::SourcePath);
}

TEST(RipJob, MarkingAnExtraOptionEmptiesThePath)
{
    RipJob job;
    job.setExtraPath("d:\\extra.txt");
    job.chooseExtra(ExtraChoice::Directory);
    EXPECT_EQ(job.extraPath(), "");
    EXPECT_FALSE(job.extraIsFile());
    job.setExtraPath("d:\\extras");
    job.chooseExtra(ExtraChoice::File);
    EXPECT_EQ(job.extraPath(), "");
    EXPECT_TRUE(job.extraIsFile());
}

TEST(RipJob, SkipEntriesAreWholeLines)
{
    RipJob job;
    EXPECT_TRUE(job.skipEntryList().isEmpty());
    job.setSkipEntries("extras\\*.*\r\nreadme.txt\r\n");
    EXPECT_EQ(job.skipEntryList(), (QStringList{"extras\\*.*", "readme.txt"}));
}

TEST(RipRunState, ClearAfterRunKeepsTheLatestEstimate)
{
    RipRunState s;
    s.volumeCount = 12;
    s.currentVolume = 4;
    s.numberingChecked = true;
    s.dizPreviewMode = true;
    s.sourceTextSaved = true;
    s.threeDigitNumbering = true;
    s.workDirectory = "c:\\Zavok001";
    s.clearAfterRun();
    EXPECT_EQ(s.volumeCount, 0);
    EXPECT_EQ(s.currentVolume, 0);
    EXPECT_FALSE(s.numberingChecked);
    EXPECT_FALSE(s.dizPreviewMode);
    EXPECT_FALSE(s.sourceTextSaved);
    EXPECT_TRUE(s.threeDigitNumbering);
    EXPECT_EQ(s.workDirectory, "c:\\Zavok001");
}
