#include "sourcefixture.h"

#include "source/folderselection.h"
#include "source/skiplist.h"

#include <QDir>

class SkipListTest : public SourceTest
{
protected:
    SkipListTest()
        : selection(drives)
        , skip(job, t.services, selection)
    {
        job.setSourcePath("d:\\games");
    }

    FolderSelection selection;
    SkipList skip;
};

TEST_F(SkipListTest, WithoutASourceNothingOpensAndTheSourcePageShows)
{
    job.setSourcePath("");
    skip.addSkipEntry();
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].title, "Zavok32 error");
    EXPECT_EQ(t.messages.shown[0].text, "You must pick a source drive or directory first");
    EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(t.shell.pages, (QList<PageId>{PageId::Source}));
    EXPECT_EQ(t.shell.focuses, (QList<FocusTarget>{FocusTarget::SkipSink}));
    EXPECT_TRUE(t.folderPicker.requests.isEmpty());
    skip.setKind(SkipList::Kind::File);
    skip.addSkipEntry();
    EXPECT_TRUE(t.fileDialog.requests.isEmpty());
}

TEST_F(SkipListTest, ASubDirectoryBecomesItsOwnNameWithAPattern)
{
    t.folderPicker.selections = {"d:\\games\\Extras"};
    t.folderPicker.answers = {QString("d:\\games\\Extras"), QString("D:\\GAMES\\Docs\\Old\\")};
    skip.addSkipEntry();
    skip.addSkipEntry();
    EXPECT_EQ(job.skipEntries(), "extras\\*.*\r\nold\\*.*\r\n");

    ASSERT_EQ(t.folderPicker.requests.size(), 2);
    EXPECT_EQ(t.folderPicker.requests[0].title, "Directory to skip");
    EXPECT_EQ(t.folderPicker.requests[0].root, "d:\\games");
    // The picker runs the window's selection check.
    ASSERT_FALSE(t.folderPicker.feedbacks.isEmpty());
    EXPECT_EQ(t.folderPicker.feedbacks[0].status, "d:\\games\\extras");
    EXPECT_TRUE(t.folderPicker.feedbacks[0].okEnabled);
}

TEST_F(SkipListTest, TheSourceItselfOrCancelAddsNothing)
{
    job.setSkipEntries("Readme.TXT\r\n");
    t.folderPicker.answers = {QString("D:\\Games"), QString("d:\\games\\"), std::nullopt};
    skip.addSkipEntry();
    skip.addSkipEntry();
    skip.addSkipEntry();
    EXPECT_EQ(job.skipEntries(), "Readme.TXT\r\n");
    EXPECT_TRUE(t.messages.shown.isEmpty());

    // Adding lower-cases the whole list.
    t.folderPicker.answers = {QString("d:\\games\\extras")};
    skip.addSkipEntry();
    EXPECT_EQ(job.skipEntries(), "readme.txt\r\nextras\\*.*\r\n");
}

TEST_F(SkipListTest, ADriveRootSourceGivesTheSameEntries)
{
    job.setSourcePath("d:\\");
    t.folderPicker.answers = {QString("d:\\"), QString("d:\\extras")};
    skip.addSkipEntry();
    skip.addSkipEntry();
    EXPECT_EQ(job.skipEntries(), "extras\\*.*\r\n");
}

TEST_F(SkipListTest, AFileBecomesItsOwnNameWhenItLiesBelowTheSource)
{
    skip.setKind(SkipList::Kind::File);
    t.fileDialog.answers = {QString("d:\\games\\docs\\ReadMe.TXT"), QString("e:\\other\\x.txt"),
                            QString("d:\\gamesx\\a.txt"), QString(""), std::nullopt};
    for (int i = 0; i < 5; ++i)
        skip.addSkipEntry();

    // The within-source test compares the start of the text only.
    EXPECT_EQ(job.skipEntries(), "readme.txt\r\na.txt\r\n");
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].title, "Zavok32 error");
    EXPECT_EQ(t.messages.shown[0].text, "Path isn't within source path");
    EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Stop);

    const FileDialogRequest& request = t.fileDialog.requests[0];
    EXPECT_EQ(request.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(request.title, "Add skip file");
    EXPECT_EQ(request.filter, "Skip file (*.*)|*.*|");
    EXPECT_EQ(request.fileName, "*.*");
    EXPECT_EQ(request.initialDir, "d:\\games");
    EXPECT_TRUE(t.folderPicker.requests.isEmpty());
}

TEST_F(SkipListTest, ClearEmptiesTheList)
{
    job.setSkipEntries("extras\\*.*\r\n");
    skip.clearSkipEntries();
    EXPECT_EQ(job.skipEntries(), "");
    EXPECT_EQ(t.shell.focuses, (QList<FocusTarget>{FocusTarget::SkipSink}));
}

class FolderSelectionTest : public SourceTest
{
protected:
    FolderSelectionTest()
        : selection(drives)
    {
    }

    FolderPickerFeedback select(QString& path)
    {
        FolderPickerFeedback feedback;
        feedback.okEnabled = true;
        selection.folderSelectionChanged(path, feedback);
        return feedback;
    }

    FolderSelection selection;
};

TEST_F(FolderSelectionTest, AWritableDriveIsAccepted)
{
    QString path = "D:\\Games";
    const auto feedback = select(path);
    EXPECT_TRUE(feedback.okEnabled);
    EXPECT_EQ(feedback.status, "d:\\games");
    EXPECT_EQ(path, "D:\\Games");
}

TEST_F(FolderSelectionTest, NothingSelectedCannotBeConfirmed)
{
    QString path;
    const auto feedback = select(path);
    EXPECT_FALSE(feedback.okEnabled);
    EXPECT_EQ(feedback.status, "Not a valid drive or path");
}

TEST_F(FolderSelectionTest, AFullDriveIsAcceptedOnlyAfterAFolderSourceWasBrowsed)
{
    drives.figures[QLatin1Char('e')] = {650000000, 0};
    t.addDrive(QLatin1Char('e'));
    QString path = "e:\\games";
    auto feedback = select(path);
    EXPECT_FALSE(feedback.okEnabled);
    EXPECT_EQ(feedback.status, "Invalid drive");
    EXPECT_EQ(path, "e:\\games");

    selection.setSourceBrowseIsFolder(true);
    feedback = select(path);
    EXPECT_TRUE(feedback.okEnabled);
    EXPECT_EQ(feedback.status, "e:\\games");
}

TEST_F(FolderSelectionTest, ADriveWithoutAMediumEmptiesThePath)
{
    selection.setSourceBrowseIsFolder(true);
    QDir(t.addDrive(QLatin1Char('e'))).removeRecursively();
    for (QString path : {QString("e:\\games"), QString("q:\\"), QString("x")}) {
        const auto feedback = select(path);
        EXPECT_FALSE(feedback.okEnabled);
        EXPECT_EQ(feedback.status, "Not a valid drive or path");
        EXPECT_EQ(path, "");
    }
}
