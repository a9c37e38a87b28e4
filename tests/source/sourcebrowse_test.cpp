#include "sourcefixture.h"

#include "source/folderselection.h"
#include "source/imagemode.h"
#include "source/outputmode.h"
#include "source/skiplist.h"
#include "source/sourcebrowse.h"
#include "source/sourcemeasurement.h"
#include "source/workdrive.h"

class SourceBrowseTest : public SourceTest
{
protected:
    SourceBrowseTest()
        : selection(drives)
        , measurement(job, state, view, t.services)
        , workDrive(job, view, t.services)
        , outputMode(job, view)
        , imageMode(job, view, outputMode)
        , browse(job, t.services, selection, measurement, workDrive, outputMode, question)
    {
        drives.figures[QLatin1Char('c')] = {40000000000LL, 20000000000LL};
        workDrive.refreshDrives();
    }

    // A job that makes ZIP files, with everything an image's archives-only
    // answer takes away.
    void fillZipFields()
    {
        job.setSkipEntries("extras\\*.*\r\n");
        job.setAutoNumbering(true);
        job.chooseExtra(ExtraChoice::Directory);
        job.setExtraPath("d:\\extras");
        job.setFirstZipOnly(1);
        job.setZipDirectory("c:\\zips");
    }

    FolderSelection selection;
    SourceMeasurement measurement;
    WorkDrive workDrive;
    OutputMode outputMode;
    ImageMode imageMode;
    FakeRipIntoQuestion question;
    SourceBrowse browse;
};

TEST_F(SourceBrowseTest, ADriveRootIsAWholeDriveAndAFolderADirectory)
{
    t.write("d:\\Games\\a.dat", QByteArray(3000000, 'a'));
    job.setSkipEntries("old\\*.*\r\n");
    job.setArchivesOnly(true);
    t.folderPicker.answers = {QString("D:\\"), QString("D:\\Games")};

    browse.browseSource();
    EXPECT_EQ(job.sourcePath(), "d:\\");
    EXPECT_EQ(job.sourceKind(), SourceKind::WholeDrive);
    EXPECT_FALSE(job.archivesOnly());
    EXPECT_TRUE(job.skipEntries().isEmpty());
    EXPECT_TRUE(selection.sourceBrowseIsFolder());

    browse.browseSource();
    EXPECT_EQ(job.sourcePath(), "d:\\games");
    EXPECT_EQ(job.sourceKind(), SourceKind::Directory);
    EXPECT_EQ(view.source.sizeLabel, "3,000,000 Total bytes");
    EXPECT_FLOAT_EQ(job.sourceMegabytes(), 3.0f);
    EXPECT_EQ(job.sourceWholeMegabytes(), 3);
    EXPECT_EQ(view.zip.estimateCaption, "2.00 files");
    EXPECT_TRUE(view.source.browseEnabled);
    EXPECT_TRUE(view.window.listBarEnabled);

    ASSERT_EQ(t.folderPicker.requests.size(), 2);
    EXPECT_EQ(t.folderPicker.requests[0].title, "Source directory");
    EXPECT_EQ(t.folderPicker.requests[0].root, "desktop");
    EXPECT_TRUE(t.folderPicker.requests[0].initialSelection.isEmpty());
    EXPECT_EQ(t.folderPicker.requests[1].initialSelection, "d:\\");
    EXPECT_EQ(t.shell.focuses.first(), FocusTarget::SourceSink);
    EXPECT_EQ(t.shell.pendingEventPasses, 2) << "the measurement lets the window breathe once";
}

TEST_F(SourceBrowseTest, ACancelledFolderBrowseKeepsTheSource)
{
    t.folderPicker.answers = {QString("d:\\")};
    browse.browseSource();
    job.setCuePath("d:\\old.cue");
    job.setSkipEntries("extras\\*.*\r\n");
    view.source.sizeLabel = "9 Total bytes";

    browse.browseSource();
    EXPECT_EQ(job.sourcePath(), "d:\\");
    EXPECT_EQ(view.source.sizeLabel, "9 Total bytes");
    EXPECT_TRUE(job.cuePath().isEmpty());
    EXPECT_TRUE(job.skipEntries().isEmpty());
}

TEST_F(SourceBrowseTest, ABinImageAsksTheQuestionThenForItsCueSheet)
{
    sparse("d:\\cd\\GAME.BIN", 700000000);
    imageMode.setImageMode(true);
    job.setZipDirectory("c:\\zips");
    question.answers = {RipIntoQuestion::Choice::IntoZips};
    QStringList windowWhileAsking;
    question.whileAsking = [&] { windowWhileAsking = t.shell.windowEvents; };
    t.fileDialog.answers = {QString("d:\\cd\\GAME.BIN"), QString("d:\\cd\\Game.CUE")};

    browse.browseSource();
    EXPECT_EQ(job.sourcePath(), "d:\\cd\\game.bin");
    EXPECT_EQ(job.cuePath(), "d:\\cd\\game.cue");
    EXPECT_EQ(job.sourceKind(), SourceKind::BinCueImage);
    EXPECT_FALSE(job.archivesOnly());
    EXPECT_EQ(job.zipDirectory(), "c:\\zips");
    EXPECT_EQ(view.source.sizeLabel, "700,000,000 Total bytes");
    EXPECT_EQ(job.sourceWholeMegabytes(), 700);
    EXPECT_EQ(view.zip.estimateCaption, "140.00 files");
    EXPECT_FALSE(state.threeDigitNumbering) << "Browse leaves the numbering to the Zip page and the run";

    EXPECT_EQ(question.asked, 1);
    EXPECT_EQ(windowWhileAsking, QStringList{"disable"});
    EXPECT_EQ(t.shell.windowEvents, (QStringList{"disable", "enable"}));

    ASSERT_EQ(t.fileDialog.requests.size(), 2);
    const FileDialogRequest& image = t.fileDialog.requests[0];
    EXPECT_EQ(image.title, "CD image file");
    EXPECT_EQ(image.filter, "Iso file (*.iso)|*.iso|Bin file (*.bin)|*.bin");
    EXPECT_EQ(image.fileName, "*.iso");
    EXPECT_EQ(image.filterIndex, 1);
    const FileDialogRequest& cue = t.fileDialog.requests[1];
    EXPECT_EQ(cue.title, "CD image file");
    EXPECT_EQ(cue.filter, "Cue file (*.cue)|*.cue");
    EXPECT_EQ(cue.fileName, "*.cue");
    EXPECT_EQ(cue.initialDir, "d:\\cd\\game.bin");
}

TEST_F(SourceBrowseTest, CancellingTheCueSheetLeavesNoSourceButTheAnswerStands)
{
    sparse("d:\\game.bin", 5000000);
    imageMode.setImageMode(true);
    fillZipFields();
    t.fileDialog.answers = {QString("d:\\game.bin")};

    // Closed with nothing chosen: archives only.
    browse.browseSource();
    EXPECT_TRUE(job.sourcePath().isEmpty());
    EXPECT_TRUE(job.cuePath().isEmpty());
    EXPECT_TRUE(job.archivesOnly());
    // The output mode was not applied: the ZIP fields are still there.
    EXPECT_EQ(job.zipDirectory(), "c:\\zips");
    EXPECT_TRUE(t.messages.shown.isEmpty());
}

TEST_F(SourceBrowseTest, AnIsoNeedsNoCueAndACancelledImageLeavesNoSource)
{
    sparse("d:\\a.iso", 650000000);
    imageMode.setImageMode(true);
    question.answers = {RipIntoQuestion::Choice::ArchivesOnly};
    t.fileDialog.answers = {QString("d:\\a.iso")};
    browse.browseSource();
    EXPECT_EQ(job.sourcePath(), "d:\\a.iso");
    EXPECT_EQ(job.sourceKind(), SourceKind::IsoImage);
    EXPECT_EQ(t.fileDialog.requests.size(), 1);

    browse.browseSource();
    EXPECT_TRUE(job.sourcePath().isEmpty());
    EXPECT_EQ(question.asked, 1);

    // A name typed into the dialog that names no file is no source either.
    t.fileDialog.answers = {QString("d:\\typo.iso")};
    browse.browseSource();
    EXPECT_TRUE(job.sourcePath().isEmpty());
    EXPECT_EQ(question.asked, 1);
}

TEST_F(SourceBrowseTest, ASecondImageSizesTheJobByItself)
{
    sparse("d:\\big.iso", 600000000);
    sparse("d:\\small.iso", 50000000);
    imageMode.setImageMode(true);
    t.fileDialog.answers = {QString("d:\\big.iso"), QString("d:\\small.iso")};
    browse.browseSource();
    browse.browseSource();
    EXPECT_EQ(job.sourcePath(), "d:\\small.iso");
    EXPECT_EQ(view.source.sizeLabel, "50,000,000 Total bytes");
    EXPECT_FLOAT_EQ(job.sourceMegabytes(), 50.0f);
    EXPECT_EQ(job.sourceWholeMegabytes(), 50);
    EXPECT_EQ(view.zip.estimateCaption, "10.00 files");
}

TEST_F(SourceBrowseTest, StepZeroStillGivesAnImageItsSize)
{
    sparse("d:\\a.iso", 5000000);
    imageMode.setImageMode(true);
    job.setArchiveSizeStep(0);
    t.fileDialog.answers = {QString("d:\\a.iso")};
    browse.browseSource();
    EXPECT_EQ(view.source.sizeLabel, "5,000,000 Total bytes");
    EXPECT_FLOAT_EQ(job.sourceMegabytes(), 5.0f);
    EXPECT_EQ(view.zip.estimateCaption, "1.00 file");
}

TEST_F(SourceBrowseTest, ATooSmallWorkDriveIsWarnedAboutAfterEveryKindOfChoice)
{
    drives.figures[QLatin1Char('c')] = {40000000000LL, 100000000};
    sparse("d:\\big\\a.dat", 150000000);
    t.folderPicker.answers = {QString("d:\\big")};
    browse.browseSource();
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].text,
              "You might not have enough free space on\rc drive for Rar's/Ace's, should pick another drive.");
    EXPECT_EQ(job.sourcePath(), "d:\\big") << "the choice stands";

    sparse("d:\\a.iso", 150000000);
    imageMode.setImageMode(true);
    t.fileDialog.answers = {QString("d:\\a.iso")};
    browse.browseSource();
    EXPECT_EQ(t.messages.shown.size(), 2);
}

TEST_F(SourceBrowseTest, ACdPassesTheFolderCheckOnlyAfterAFolderBrowse)
{
    t.addDrive(QLatin1Char('e'));
    drives.figures[QLatin1Char('e')] = {650000000, 0};
    SkipList skip(job, t.services, selection);
    t.folderPicker.selections = {"e:\\"};

    sparse("d:\\a.iso", 5000000);
    imageMode.setImageMode(true);
    t.fileDialog.answers = {QString("d:\\a.iso")};
    browse.browseSource();
    skip.addSkipEntry();
    ASSERT_EQ(t.folderPicker.feedbacks.size(), 1);
    EXPECT_EQ(t.folderPicker.feedbacks[0].status, "Invalid drive");
    EXPECT_FALSE(t.folderPicker.feedbacks[0].okEnabled);

    imageMode.setImageMode(false);
    t.folderPicker.answers = {QString("e:\\")};
    browse.browseSource();
    EXPECT_EQ(job.sourcePath(), "e:\\");
    EXPECT_EQ(view.source.sizeLabel, "650,000,000 Total bytes");
    ASSERT_EQ(t.folderPicker.feedbacks.size(), 2);
    EXPECT_EQ(t.folderPicker.feedbacks[1].status, "e:\\");
    EXPECT_TRUE(t.folderPicker.feedbacks[1].okEnabled);
}

TEST_F(SourceBrowseTest, ArchivesOnlySwitchesOffWhatOnlyZipFilesNeed)
{
    sparse("d:\\a.iso", 5000000);
    imageMode.setImageMode(true);
    fillZipFields();
    job.setDizPath("d:\\file_id.diz");
    job.setNfoPath("d:\\a.nfo");
    question.answers = {RipIntoQuestion::Choice::ArchivesOnly, RipIntoQuestion::Choice::IntoZips};
    t.fileDialog.answers = {QString("d:\\a.iso"), QString("d:\\a.iso")};
    browse.browseSource();

    EXPECT_TRUE(job.archivesOnly());
    EXPECT_TRUE(job.extraPath().isEmpty());
    EXPECT_TRUE(job.zipDirectory().isEmpty());
    EXPECT_TRUE(job.skipEntries().isEmpty());
    EXPECT_FALSE(job.autoNumbering());
    EXPECT_EQ(job.extraChoice(), ExtraChoice::Neither);
    EXPECT_EQ(job.firstZipOnly(), 0);
    // What an archives-only run can still carry stays.
    EXPECT_EQ(job.dizPath(), "d:\\file_id.diz");
    EXPECT_EQ(job.nfoPath(), "d:\\a.nfo");

    EXPECT_FALSE(view.diz.numberingChoiceEnabled);
    EXPECT_FALSE(view.diz.numberBoxesEnabled);
    EXPECT_FALSE(view.diz.testEnabled);
    EXPECT_FALSE(view.diz.labelsEnabled);
    EXPECT_FALSE(view.diz.separatorShown);
    EXPECT_TRUE(view.diz.filesEnabled);
    EXPECT_TRUE(view.nfo.extraPanelGreyed);
    EXPECT_FALSE(view.nfo.extraBrowseEnabled);
    EXPECT_FALSE(view.nfo.extraChoicesEnabled);
    EXPECT_FALSE(view.nfo.firstZipOnlyEnabled);
    EXPECT_FALSE(view.nfo.extraLabelEnabled);
    EXPECT_TRUE(view.nfo.filesEnabled);
    EXPECT_TRUE(view.zip.directoryPanelGreyed);
    EXPECT_FALSE(view.zip.zipCompressionEnabled);
    EXPECT_FALSE(view.zip.directoryBrowseEnabled);
    EXPECT_FALSE(view.zip.zipLabelsEnabled);
    EXPECT_FALSE(view.skip.bodyEnabled);

    browse.browseSource();
    EXPECT_FALSE(job.archivesOnly());
    EXPECT_TRUE(view.diz.numberingChoiceEnabled);
    EXPECT_TRUE(view.diz.labelsEnabled);
    EXPECT_TRUE(view.diz.separatorShown);
    EXPECT_FALSE(view.nfo.extraPanelGreyed);
    EXPECT_TRUE(view.nfo.extraChoicesEnabled);
    EXPECT_TRUE(view.nfo.firstZipOnlyEnabled);
    EXPECT_TRUE(view.nfo.extraLabelEnabled);
    EXPECT_FALSE(view.nfo.extraBrowseEnabled) << "on again once an extra option is marked";
    EXPECT_FALSE(view.zip.directoryPanelGreyed);
    EXPECT_TRUE(view.zip.zipCompressionEnabled);
    EXPECT_TRUE(view.zip.directoryBrowseEnabled);
    EXPECT_TRUE(view.zip.zipLabelsEnabled);
    EXPECT_FALSE(view.skip.bodyEnabled) << "an image has nothing to skip";
}

TEST(RipIntoQuestion, OnlyIntoZipsMakesZipFiles)
{
    EXPECT_TRUE(RipIntoQuestion::archivesOnly(RipIntoQuestion::Choice::Neither));
    EXPECT_TRUE(RipIntoQuestion::archivesOnly(RipIntoQuestion::Choice::ArchivesOnly));
    EXPECT_FALSE(RipIntoQuestion::archivesOnly(RipIntoQuestion::Choice::IntoZips));
}
