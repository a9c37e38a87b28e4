#include "contentsfixture.h"
#include "contents/zipstorage.h"

#include <QDir>

namespace {

class ZipStorageTest : public ContentsTest
{
protected:
    ZipStorageTest() { job.setSourcePath("d:\\games"); }

    void choose(const QString& answer, qint64 freeBytes)
    {
        drives.figures['e'] = {2000000000, freeBytes};
        t.folderPicker.answers = {answer};
        storage.browse();
    }

    ZipStorage storage{job, view, t.services, folderSelection.handler()};
};

} // namespace

TEST_F(ZipStorageTest, BeforeAnySourceTheSourcePageShowsAndNoPickerOpens)
{
    job.setSourcePath("");
    storage.browse();
    EXPECT_EQ(t.shell.pages, QList<PageId>{PageId::Source});
    EXPECT_EQ(t.shell.focuses, QList<FocusTarget>{FocusTarget::ZipSink});
    EXPECT_TRUE(t.folderPicker.requests.isEmpty());
}

TEST_F(ZipStorageTest, ThePickerStartsAtTheFolderOrAtC)
{
    storage.browse();
    ASSERT_EQ(t.folderPicker.requests.size(), 1);
    EXPECT_EQ(t.folderPicker.requests[0].title, "Directory for zip's");
    EXPECT_EQ(t.folderPicker.requests[0].root, "desktop");
    EXPECT_EQ(t.folderPicker.requests[0].initialSelection, "c:\\");
    EXPECT_EQ(job.zipDirectory(), "") << "Cancel changes nothing";
    EXPECT_EQ(view.zip.freeSpaceCaption, "Free space: ");

    job.setZipDirectory("e:\\zips");
    storage.browse();
    EXPECT_EQ(t.folderPicker.requests[1].initialSelection, "e:\\zips");
    EXPECT_EQ(job.zipDirectory(), "e:\\zips");
}

TEST_F(ZipStorageTest, TheFreeSpaceIsShownInWholeMegabytes)
{
    job.setSourceMegabytes(123.0f);
    choose("E:\\Zips", 123456789);
    EXPECT_EQ(job.zipDirectory(), "e:\\zips");
    EXPECT_EQ(view.zip.freeSpaceCaption, "Free space  123 M");
    EXPECT_TRUE(t.messages.shown.isEmpty()) << "123 M of source fits in 123 M";
    EXPECT_TRUE(t.shell.pages.isEmpty());
}

TEST_F(ZipStorageTest, LessThanAMegabyteFreeShowsZeroKeepsTheFolderAndTellsOfTheSource)
{
    job.setSourceMegabytes(1.5f);
    choose("E:\\Zips", 999999);
    EXPECT_EQ(view.zip.freeSpaceCaption, "Free space  0 M");
    EXPECT_EQ(job.zipDirectory(), "e:\\zips");
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].title, "Zavok32");
    EXPECT_EQ(t.messages.shown[0].text, "Free space on E is less than source size");
    EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Information);
}

TEST_F(ZipStorageTest, ADriveWithNoFreeSpaceCannotBeChosen)
{
    job.setZipDirectory("e:\\old");
    job.setSourceMegabytes(600.0f);
    choose("e:\\", 0);
    EXPECT_EQ(view.zip.freeSpaceCaption, "Free space 0 M");
    EXPECT_EQ(job.zipDirectory(), "");
    EXPECT_TRUE(t.messages.shown.isEmpty());
}

TEST_F(ZipStorageTest, AnEmptyAnswerEmptiesTheFolderAndLeavesTheCaption)
{
    job.setZipDirectory("e:\\old");
    choose("", 5000000);
    EXPECT_EQ(job.zipDirectory(), "");
    EXPECT_EQ(view.zip.freeSpaceCaption, "Free space: ");
}

TEST_F(ZipStorageTest, ThePickerRunsTheLiveCheck)
{
    drives.figures['e'] = {650000000, 0};
    t.folderPicker.selections = {"e:\\"};
    storage.browse();
    ASSERT_EQ(t.folderPicker.feedbacks.size(), 1);
    EXPECT_EQ(t.folderPicker.feedbacks[0].status, "Invalid drive");
    EXPECT_FALSE(t.folderPicker.feedbacks[0].okEnabled);
}

TEST_F(ZipStorageTest, AFolderInsideTheSourceIsToldAndKeptOnlyIfAccepted)
{
    t.addDrive('d');
    QDir().mkpath(t.host("d:\\") + "/games/zips");
    QDir().mkpath(t.host("e:\\") + "/zips");
    struct Case {
        QString answer;
        std::optional<MessageResult> reply; // none: no question
        QString kept;
    };
    const QList<Case> cases = {
        {"d:\\games\\zips", MessageResult::Ok, "d:\\games\\zips"},
        {"d:\\games\\zips", MessageResult::Cancel, "e:\\zips"},
        {"D:\\GAMES", std::nullopt, "e:\\zips"}, // the source itself: refused
        {"e:\\zips", std::nullopt, "e:\\zips"},
    };
    for (const Case& c : cases) {
        job.setZipDirectory("e:\\zips");
        t.messages.shown.clear();
        if (c.reply)
            t.messages.answers = {*c.reply};
        choose(c.answer, 2000000000);
        EXPECT_EQ(job.zipDirectory(), c.kept) << c.answer.toStdString();
        if (c.answer == "e:\\zips") {
            EXPECT_TRUE(t.messages.shown.isEmpty());
        } else if (c.reply) {
            ASSERT_EQ(t.messages.shown.size(), 1);
            EXPECT_EQ(t.messages.shown[0].text, ZipStorage::insideSourceText("d:\\games\\zips", "d:\\games"));
            EXPECT_EQ(t.messages.shown[0].buttons, MessageButtons::OkCancel);
        } else {
            ASSERT_EQ(t.messages.shown.size(), 1);
            EXPECT_EQ(t.messages.shown[0].text, ZipStorage::sourceItselfText("d:\\games"));
        }
    }
}
