#include "sourcefixture.h"

#include "job/scriptfile.h"
#include "source/imagemode.h"
#include "source/jobcheck.h"
#include "source/outputmode.h"
#include "source/sourcemeasurement.h"

class ImageModeTest : public SourceTest
{
protected:
    ImageModeTest()
        : outputMode(job, view)
        , imageMode(job, view, outputMode)
    {
    }

    OutputMode outputMode;
    ImageMode imageMode;
};

TEST_F(ImageModeTest, TickingDiscardsTheSourceAndTakesTheSkipPageAway)
{
    job.setSourcePath("d:\\games");
    job.setSourceMegabytes(120.0f);
    job.setSkipEntries("extras\\*.*\r\n");
    view.source.sizeLabel = "120,000,000 Total bytes";
    view.zip.estimateCaption = "80.00 files";

    imageMode.setImageMode(true);
    EXPECT_TRUE(job.imageMode());
    EXPECT_TRUE(job.sourcePath().isEmpty());
    EXPECT_EQ(job.sourceMegabytes(), 0.0f);
    EXPECT_TRUE(view.source.sizeLabel.isEmpty());
    EXPECT_TRUE(view.zip.estimateCaption.isEmpty());
    EXPECT_EQ(job.archiveSizeStep(), 10);
    EXPECT_TRUE(job.skipEntries().isEmpty());
    EXPECT_FALSE(view.skip.bodyEnabled);
    EXPECT_FALSE(view.window.skipItemShown);
    EXPECT_FALSE(view.window.skipMenuEnabled);
}

TEST_F(ImageModeTest, ClearingBringsBackEverythingAZipJobUses)
{
    imageMode.setImageMode(true);
    job.setArchivesOnly(true);
    outputMode.apply(true);
    job.setSourcePath("d:\\a.iso");

    imageMode.setImageMode(false);
    EXPECT_FALSE(job.imageMode());
    EXPECT_FALSE(job.archivesOnly());
    EXPECT_TRUE(job.sourcePath().isEmpty());
    EXPECT_EQ(job.archiveSizeStep(), 3);
    EXPECT_TRUE(view.skip.bodyEnabled);
    EXPECT_TRUE(view.window.skipItemShown);
    EXPECT_TRUE(view.window.skipMenuEnabled);
    EXPECT_TRUE(view.zip.zipCompressionEnabled);
    EXPECT_FALSE(view.zip.directoryPanelGreyed);
    EXPECT_FALSE(view.nfo.extraPanelGreyed);
    EXPECT_TRUE(view.diz.numberingChoiceEnabled);
    EXPECT_TRUE(view.diz.separatorShown);
    EXPECT_TRUE(view.nfo.extraChoicesEnabled);
    EXPECT_TRUE(view.nfo.firstZipOnlyEnabled);
    EXPECT_TRUE(view.zip.directoryBrowseEnabled);
}

// An image job saved as a script, read back as the program reads it:
// the reader, then the job check and the measurement.
class ImageScriptTest : public ImageModeTest
{
protected:
    ImageScriptTest()
        : scripts(job, view, app, t.services, t.home())
        , check(job, app, t.services)
        , measurement(job, state, view, t.services)
    {
        scripts.setImageMode = [this](bool ticked) { imageMode.setImageMode(ticked); };
        scripts.scriptRead = [this] { imageMode.adoptScriptImage(drives); };
        t.write("d:\\file_id.diz", "Game\r\n");
        t.write("d:\\game.nfo", "Info\r\n");
        t.write("d:\\zips\\keep.txt", "");
    }

    void saveImageJob(const QString& source, int sizeStep)
    {
        RipJob saved;
        saved.setImageMode(true);
        saved.setSourcePath(source);
        saved.setDizPath("d:\\file_id.diz");
        saved.setNfoPath("d:\\game.nfo");
        saved.setZipDirectory("d:\\zips");
        saved.setZipBaseName("game");
        saved.setArchiveSizeStep(sizeStep);
        t.write("d:\\game.zvk", ScriptFile::scriptText(saved, QDateTime::currentDateTime()).toLatin1());
        job.setScriptPath("d:\\game.zvk");
    }

    void load()
    {
        scripts.readScript();
        check.checkJob();
        measurement.measureSource();
    }

    ScriptFile scripts;
    JobCheck check;
    SourceMeasurement measurement;
};

TEST_F(ImageScriptTest, ABinImageScriptComesBackAsAnImageWithItsCueSheet)
{
    sparse("d:\\cd\\game.bin", 600000000);
    t.write("d:\\cd\\game.cue", "FILE \"game.bin\" BINARY\r\n");
    saveImageJob("d:\\cd\\game.bin", 14);
    load();

    EXPECT_TRUE(job.imageMode());
    EXPECT_EQ(job.sourcePath(), "d:\\cd\\game.bin");
    EXPECT_EQ(job.cuePath(), "d:\\cd\\game.cue");
    EXPECT_EQ(job.sourceKind(), SourceKind::BinCueImage);
    EXPECT_EQ(job.archiveSizeStep(), 14);
    EXPECT_FALSE(job.archivesOnly());
    EXPECT_TRUE(job.readyToRun()) << t.messages.texts().join("|").toStdString();
    EXPECT_EQ(view.source.sizeLabel, "600,000,000 Total bytes");
    EXPECT_EQ(job.sourceWholeMegabytes(), 600);
    EXPECT_EQ(view.zip.estimateCaption, "85.71 files");
    EXPECT_FALSE(view.window.skipItemShown);
}

TEST_F(ImageScriptTest, AnIsoOfManyVolumesMeasuresItsLengthAndNeedsThreeDigits)
{
    sparse("d:\\game.iso", 650000000);
    saveImageJob("d:\\game.iso", 10);
    load();
    EXPECT_EQ(job.sourceKind(), SourceKind::IsoImage);
    EXPECT_TRUE(job.cuePath().isEmpty());
    EXPECT_TRUE(job.readyToRun());
    EXPECT_EQ(view.zip.estimateCaption, "130.00 files");
    EXPECT_TRUE(state.threeDigitNumbering);
}

TEST_F(ImageScriptTest, ABinWithoutItsCueAndFoldersNamedLikeImagesStayAsTheyAre)
{
    sparse("d:\\game.bin", 5000000);
    saveImageJob("d:\\game.bin", 10);
    load();
    EXPECT_TRUE(job.imageMode());
    EXPECT_TRUE(job.cuePath().isEmpty());

    // A folder whose name ends like an image is still a folder.
    t.write("d:\\disc.iso\\a.txt", "abc");
    saveImageJob("d:\\disc.iso", 3);
    scripts.setImageMode(false);
    load();
    EXPECT_FALSE(job.imageMode());
    EXPECT_EQ(job.sourceKind(), SourceKind::Directory);
    EXPECT_EQ(view.source.sizeLabel, "3 Total bytes");

    // So is an image that is gone: the check drops the source.
    saveImageJob("d:\\gone.iso", 10);
    load();
    EXPECT_FALSE(job.imageMode());
    EXPECT_TRUE(job.sourcePath().isEmpty());
    EXPECT_FALSE(job.readyToRun());
}
