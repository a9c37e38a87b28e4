#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "pipeline/floppyfit.h"
#include "pipeline/runreport.h"
#include "doubles/fakes.h"

#include <gtest/gtest.h>

TEST(RunReport, SizeCaptionFollowsTheZipPage)
{
    EXPECT_EQ(RunReport::sizeCaption(0), QStringLiteral("1 Max file"));
    EXPECT_EQ(RunReport::sizeCaption(1), QStringLiteral(".5 M"));
    EXPECT_EQ(RunReport::sizeCaption(2), QStringLiteral("1. M"));
    EXPECT_EQ(RunReport::sizeCaption(3), QStringLiteral("1.44 M"));
    EXPECT_EQ(RunReport::sizeCaption(5), QStringLiteral("2.5 M"));
    EXPECT_EQ(RunReport::sizeCaption(10), QStringLiteral("5. M"));
    EXPECT_EQ(RunReport::sizeCaption(199), QStringLiteral("99.5 M"));
}

TEST(RunReport, RowsOfAZipRun)
{
    RipJob job;
    RipRunState state;
    job.setZipDirectory(QStringLiteral("e:\\zips"));
    job.setSourceWholeMegabytes(17);
    job.setZipCompression(5);
    state.savedSourceText = QStringLiteral("d:\\games");
    state.workDirectory = QStringLiteral("c:\\Zavok001");
    state.volumeCount = 12;

    const RunReport r = RunReport::fromRun(job, state);
    EXPECT_EQ(r.caption, QStringLiteral("Ripping complete"));
    QStringList source, archive;
    for (const RunReportRow& row : r.sourceRows())
        source << row.label + row.value;
    for (const RunReportRow& row : r.archiveRows())
        archive << row.label + row.value;
    EXPECT_EQ(source, (QStringList{"Path: d:\\games", "Type: Directory", "Size: 17 M"}));
    EXPECT_EQ(archive, (QStringList{"Type: Rar's into zip's", "Size: 1.44 M", "Path: e:\\zips", "Count: 12", "Total: 17 M",
                                    "Rar/Ace compression: Normal", "Zip compression: Maximum"}));
}

TEST(RunReport, TypesTotalsAndArchivesOnly)
{
    RipJob job;
    RipRunState state;
    state.workDirectory = QStringLiteral("c:\\Zavok002");
    state.volumeCount = 1;

    state.savedSourceText = QStringLiteral("d:\\");
    EXPECT_EQ(RunReport::fromRun(job, state).sourceType, QStringLiteral(" Whole drive"));
    job.setImageMode(true);
    state.savedSourceText = QStringLiteral("d:\\cd\\game.iso");
    EXPECT_EQ(RunReport::fromRun(job, state).sourceType, QStringLiteral(" CD image ISO file"));
    state.savedSourceText = QStringLiteral("d:\\cd\\game.bin");
    EXPECT_EQ(RunReport::fromRun(job, state).sourceType, QStringLiteral(" CD image Bin/Cue files"));

    job.setArchiveSizeStep(0);
    RunReport r = RunReport::fromRun(job, state);
    EXPECT_EQ(r.archiveSize, QStringLiteral(" 1 Max file"));
    EXPECT_EQ(r.total, QString());

    job.setImageMode(false);
    job.setArchiveSizeStep(1);
    job.setArchiver(Archiver::Ace);
    job.setArchivesOnly(true);
    state.volumeCount = 5; // 2.5 rounds to the even 2
    r = RunReport::fromRun(job, state);
    EXPECT_EQ(r.total, QStringLiteral(" 2 M"));
    EXPECT_EQ(r.archiveType, QStringLiteral(" Ace's only"));
    EXPECT_EQ(r.archivePath, QStringLiteral(" c:\\Zavok002"));

    // 999 volumes of 99.5 M: a total past 16 bits is still shown as it is.
    job.setArchiveSizeStep(199);
    state.volumeCount = 999;
    EXPECT_EQ(RunReport::fromRun(job, state).total, QStringLiteral(" 99400 M"));
}

TEST(FloppyFit, TheLineNamesTheLargestZipAndHowManyDoNotFit)
{
    using floppyfit::ZipSize;
    const struct {
        QList<ZipSize> zips;
        const char* text;
    } cases[] = {
        {{{"a01.zip", 1441302}, {"a02.zip", 900}}, "every ZIP fits a 1.44 MB floppy (the largest, a01.zip, has 1,441,302 bytes)"},
        {{{"a.zip", 1457664}}, "the ZIP fits a 1.44 MB floppy (a.zip, 1,457,664 bytes)"},
        {{{"a01.zip", 1457665}, {"a02.zip", 1460000}, {"a03.zip", 10}},
         "2 ZIPs do not fit a 1.44 MB floppy of 1,457,664 bytes (the largest, a02.zip, has 1,460,000 bytes)"},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(floppyfit::fitText(c.zips), QLatin1String(c.text));
    EXPECT_LT(floppyfit::worstCaseZipBytes(floppyfit::kFloppyVolumeBytes, 800, 4000, 0, 0, 0), floppyfit::kFloppyBytes)
        << "a full volume with its description and information file fits";
}
