#include "contents/zipsizestep.h"
#include "contents/zipsizestepbinding.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"

#include <gtest/gtest.h>

class ZipSizeStepTest : public ::testing::Test
{
protected:
    ZipSizeStepTest()
        : sizeStep(job, state, view)
    {
    }

    void setStep(int step)
    {
        job.setArchiveSizeStep(step);
        sizeStep.stepChanged();
    }

    RipJob job;
    RipRunState state;
    ViewState view;
    ZipSizeStep sizeStep;
};

TEST_F(ZipSizeStepTest, SizeCaptionsAreMillionsWithTheirPoint)
{
    EXPECT_EQ(ZipSizeStep::sizeCaption(1), ".5 M");
    EXPECT_EQ(ZipSizeStep::sizeCaption(2), "1. M");
    EXPECT_EQ(ZipSizeStep::sizeCaption(3), "1.44 M");
    EXPECT_EQ(ZipSizeStep::sizeCaption(5), "2.5 M");
    EXPECT_EQ(ZipSizeStep::sizeCaption(10), "5. M");
    EXPECT_EQ(ZipSizeStep::sizeCaption(199), "99.5 M");
}

TEST_F(ZipSizeStepTest, StepZeroIsOneArchiveWithALongName)
{
    job.setSourceMegabytes(250.0f);
    state.threeDigitNumbering = true;
    setStep(0);
    EXPECT_EQ(view.zip.sizeCaption, "1 Max file");
    EXPECT_EQ(view.zip.estimateCaption, "1.00 file");
    EXPECT_EQ(job.zipBaseNameBound(), 20);
    EXPECT_FALSE(state.threeDigitNumbering);
}

TEST_F(ZipSizeStepTest, MoreThan99VolumesCutTheNameToFive)
{
    job.setZipBaseNameBound(RipJob::kLongNameBound);
    job.setZipBaseName("abcdefgh");
    job.setSourceMegabytes(250.0f);
    setStep(3);
    EXPECT_EQ(view.zip.sizeCaption, "1.44 M");
    EXPECT_EQ(view.zip.estimateCaption, "166.67 files");
    EXPECT_TRUE(state.threeDigitNumbering);
    EXPECT_EQ(job.zipBaseNameBound(), 5);
    EXPECT_EQ(job.zipBaseName(), "abcde");

    setStep(10); // 50 volumes
    EXPECT_EQ(view.zip.estimateCaption, "50.00 files");
    EXPECT_FALSE(state.threeDigitNumbering);
    EXPECT_EQ(job.zipBaseNameBound(), 6);
    EXPECT_EQ(job.zipBaseName(), "abcde");
}

TEST_F(ZipSizeStepTest, TheNameHintSaysHowLongANameThisSizeAllowsAndWhatItCut)
{
    ZipSizeStepBinding binding(job, sizeStep);
    EXPECT_EQ(view.zip.nameHint, "Up to 6 characters at this size: two digits of the volume number follow");
    job.setSourceMegabytes(250.0f);
    job.setArchiveSizeStep(0);
    job.setZipBaseName("mygames");
    EXPECT_EQ(view.zip.nameHint, "Up to 20 characters: one archive, no volume number");
    job.setArchiveSizeStep(3);
    EXPECT_EQ(view.zip.nameHint,
              "Up to 5 characters at this size: three digits of the volume number follow; \"mygames\" was cut to \"mygam\"");
    job.setZipBaseName("my");
    EXPECT_EQ(view.zip.nameHint, "Up to 5 characters at this size: three digits of the volume number follow")
        << "typed again, the cut is old news";
}

TEST_F(ZipSizeStepTest, ThreeDigitsStartAbove99Volumes)
{
    job.setSourceMegabytes(148.5f); // 99 volumes of 1,500,000 bytes
    setStep(3);
    EXPECT_EQ(view.zip.estimateCaption, "99.00 files");
    EXPECT_FALSE(state.threeDigitNumbering);
    job.setSourceMegabytes(148.515f);
    setStep(3);
    EXPECT_EQ(view.zip.estimateCaption, "99.01 files");
    EXPECT_TRUE(state.threeDigitNumbering);

    job.setSourceMegabytes(1.5f);
    setStep(3);
    EXPECT_EQ(view.zip.estimateCaption, " 1.00 file");
    setStep(2);
    EXPECT_EQ(view.zip.estimateCaption, "1.50 files");
}

TEST_F(ZipSizeStepTest, AnUnmeasuredSourceLeavesTheEstimateEmptyAndTheFlagAsItWas)
{
    job.setSourceMegabytes(0.0f);
    state.threeDigitNumbering = true;
    for (int step : {1, 3, 199}) {
        setStep(step);
        EXPECT_EQ(view.zip.estimateCaption, "");
        EXPECT_TRUE(state.threeDigitNumbering);
        EXPECT_EQ(job.zipBaseNameBound(), 5);
    }
    setStep(0);
    EXPECT_EQ(view.zip.estimateCaption, "1.00 file");
}

TEST_F(ZipSizeStepTest, ImagesKeepVolumesOfAtLeastFiveMillionBytes)
{
    job.setImageMode(true);
    setStep(4);
    EXPECT_EQ(job.archiveSizeStep(), 10);
    EXPECT_EQ(view.zip.sizeCaption, "5. M");
    setStep(0);
    EXPECT_EQ(job.archiveSizeStep(), 10);
    setStep(11);
    EXPECT_EQ(view.zip.sizeCaption, "5.5 M");
}

TEST_F(ZipSizeStepTest, TheBindingRunsTheProcedureOnEveryChangeOfStep)
{
    ZipSizeStepBinding binding(job, sizeStep);
    job.setSourceMegabytes(250.0f);
    job.setArchiveSizeStep(5);
    EXPECT_EQ(view.zip.sizeCaption, "2.5 M");
    EXPECT_EQ(view.zip.estimateCaption, "100.00 files");
    EXPECT_TRUE(state.threeDigitNumbering);

    job.setImageMode(true);
    job.setArchiveSizeStep(2);
    EXPECT_EQ(job.archiveSizeStep(), 10);
    EXPECT_EQ(view.zip.sizeCaption, "5. M");
    EXPECT_EQ(view.zip.estimateCaption, "50.00 files");
}
