#include "contentsfixture.h"
#include "contents/fileineditor.h"
#include "contents/zipcomment.h"

#include <QDir>
#include <QFile>

namespace {

class ZipCommentTest : public ContentsTest
{
protected:
    ZipComment comment{job, t.services, t.home()};

    QByteArray workingCopy() const
    {
        QFile file(homeFile("zcomment.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    void writeHome(const QString& name, const QByteArray& bytes) const
    {
        QFile file(homeFile(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    bool markerPresent() const { return QFile::exists(homeFile("zcom1.ini")); }
};

} // namespace

TEST_F(ZipCommentTest, AFileOf32000BytesIsCopiedAndLeavesTheSwitchAsItWas)
{
    const QByteArray text(32000, 'c');
    t.write("e:\\Release\\Comment.TXT", text);
    t.fileDialog.answers = {"E:\\Release\\Comment.TXT"};
    comment.open();
    EXPECT_EQ(workingCopy(), text);
    EXPECT_EQ(job.zipCommentPath(), "E:\\Release\\Comment.TXT") << "kept as the dialog returned it";
    EXPECT_FALSE(job.useZipComment());
    EXPECT_TRUE(t.messages.shown.isEmpty());

    ASSERT_EQ(t.fileDialog.requests.size(), 1);
    const FileDialogRequest& asked = t.fileDialog.requests[0];
    EXPECT_EQ(asked.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(asked.title, "Zip comment file");
    EXPECT_EQ(asked.filter, "Zip comment file (*.*)|*.*|");
    EXPECT_EQ(asked.filterIndex, 0);
    EXPECT_EQ(asked.fileName, "zcomment.ini");
    EXPECT_EQ(asked.initialDir, t.homeDos()) << "the application directory while there is no source";

    job.setUseZipComment(true);
    job.setSourcePath("e:\\release");
    t.fileDialog.answers = {"e:\\release\\comment.txt"};
    comment.open();
    EXPECT_TRUE(job.useZipComment());
    EXPECT_EQ(t.fileDialog.requests[1].initialDir, "e:\\release");
}

TEST_F(ZipCommentTest, AFileOf32001BytesWarnsAndSwitchesTheCommentOff)
{
    writeHome("zcomment.ini", "earlier comment");
    writeHome("zcom1.ini", "");
    job.setUseZipComment(true);
    t.write("e:\\big.txt", QByteArray(32001, 'c'));
    t.fileDialog.answers = {"e:\\big.txt"};
    comment.open();
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].title, "Zavok32 error");
    EXPECT_EQ(t.messages.shown[0].text, "Zip comment file too large, must be under 32k");
    EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(job.useZipComment());
    EXPECT_FALSE(markerPresent());
    EXPECT_EQ(workingCopy(), "earlier comment");
    EXPECT_EQ(job.zipCommentPath(), "");
}

TEST_F(ZipCommentTest, CancelAndAMissingFileSwitchOffWithoutAMessage)
{
    writeHome("zcom1.ini", "");
    job.setUseZipComment(true);
    comment.open();
    EXPECT_FALSE(job.useZipComment());
    EXPECT_FALSE(markerPresent());

    job.setUseZipComment(true);
    t.fileDialog.answers = {"e:\\gone.txt"};
    comment.open();
    EXPECT_FALSE(job.useZipComment());
    EXPECT_TRUE(t.messages.shown.isEmpty());
}

TEST_F(ZipCommentTest, ChoosingTheWorkingCopyItselfSwitchesOffAndLeavesIt)
{
    writeHome("zcomment.ini", "as it was");
    job.setUseZipComment(true);
    job.setZipCommentPath("e:\\earlier.txt");
    t.fileDialog.answers = {t.homeDos() + "\\zcomment.ini"};
    comment.open();
    EXPECT_FALSE(job.useZipComment());
    EXPECT_EQ(workingCopy(), "as it was");
    EXPECT_TRUE(t.messages.shown.isEmpty());
    // A script naming the working copy would fail to copy it at every reading.
    EXPECT_EQ(job.zipCommentPath(), "e:\\earlier.txt");
}

TEST_F(ZipCommentTest, OffAndOnAgainWithAWorkingCopyOpensNoDialog)
{
    writeHome("zcomment.ini", "hello");
    writeHome("ZCOM1.INI", "");
    job.setUseZipComment(true);
    comment.toggle();
    EXPECT_FALSE(job.useZipComment());
    EXPECT_TRUE(QDir(t.home()).entryList({"zcom1.ini"}, QDir::Files).isEmpty()) << "a marker of any case goes";

    comment.toggle();
    EXPECT_TRUE(job.useZipComment());
    EXPECT_TRUE(markerPresent());
    EXPECT_EQ(QFile(homeFile("zcom1.ini")).size(), 0);
    EXPECT_TRUE(t.fileDialog.requests.isEmpty());
    EXPECT_EQ(workingCopy(), "hello");
}

TEST_F(ZipCommentTest, OnWithoutAWorkingCopyAsksForOneAndIsOnWhateverTheAnswer)
{
    t.write("e:\\comment.txt", "Ripped by us");
    t.fileDialog.answers = {"e:\\comment.txt"};
    comment.toggle();
    EXPECT_EQ(t.fileDialog.requests.size(), 1);
    EXPECT_EQ(workingCopy(), "Ripped by us");
    EXPECT_TRUE(job.useZipComment());
    EXPECT_TRUE(markerPresent());

    // Off, the working copy gone, on again and the dialog cancelled: the
    // switch stays on and the run tells that the comment is missing.
    comment.toggle();
    QFile::remove(homeFile("zcomment.ini"));
    comment.toggle();
    EXPECT_EQ(t.fileDialog.requests.size(), 2);
    EXPECT_TRUE(job.useZipComment());
    EXPECT_TRUE(markerPresent());
}

TEST_F(ZipCommentTest, ViewOpensTheWorkingCopyInTheEditor)
{
    writeHome("zcomment.ini", "hello");
    comment.view();
    EXPECT_EQ(t.textEditor.opened, QStringList{homeFile("zcomment.ini")});
    EXPECT_TRUE(t.messages.shown.isEmpty());

    t.textEditor.starts = false;
    comment.view();
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].text, FileInEditor::cannotStartText(homeFile("zcomment.ini")));
}
