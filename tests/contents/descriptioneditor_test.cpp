#include "contents/cp437screen.h"
#include "contents/descriptioneditor.h"
#include "doubles/temphome.h"
#include "job/ripjob.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct DescriptionEditorTest : ::testing::Test {
    TempHome home;
    RipJob job;
    FakeDescriptionWindow window;
    DescriptionEditor editor{job, home.services, window};

    QString tempDos() const { return home.homeDos().toLower() + "\\temp\\file_id.diz"; }
    void writeTemp(const QByteArray& bytes) const { home.write(home.homeDos() + "\\temp\\file_id.diz", bytes); }
    QByteArray tempBytes() const { return home.read(home.homeDos() + "\\temp\\file_id.diz"); }
    bool tempExists() const { return QFile::exists(home.home() + "/temp/file_id.diz"); }
    void type(const QString& text) { window.screenText = text; }
};

} // namespace

TEST_F(DescriptionEditorTest, LoadingGivesEveryLineACrLfAndDropsEveryCr)
{
    writeTemp("one\ntwo\r\r\nthree\rfour");
    editor.openForEditing();
    EXPECT_EQ(window.screenText, "one\ntwo\nthreefour");
    EXPECT_EQ(DescriptionEditor::loadedText("a\nb\r\r\n"), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(window.view.caption, "File.id.diz");
    EXPECT_TRUE(window.view.fileMenuEnabled);
    EXPECT_TRUE(window.view.saveShown && window.view.importShown);
    EXPECT_FALSE(window.view.okShown);
    EXPECT_EQ(home.shell.windowEvents, QStringList{"disable"}) << "the main window takes no input meanwhile";
}

TEST_F(DescriptionEditorTest, EverySaveWritesTheTextAndOneLineEnd)
{
    QDir().mkpath(home.home() + "/temp");
    editor.openForEditing();
    EXPECT_EQ(window.screenText, "") << "nothing saved yet";
    type("ABC");
    editor.save();
    EXPECT_EQ(tempBytes(), QByteArray("ABC\r\n"));
    EXPECT_EQ(job.dizPath(), tempDos());
    EXPECT_FALSE(window.shown);
    EXPECT_EQ(home.shell.windowEvents, (QStringList{"disable", "enable", "repaint"}));

    editor.openForEditing();
    EXPECT_EQ(window.screenText, "ABC\n");
    editor.save();
    EXPECT_EQ(tempBytes(), QByteArray("ABC\r\n\r\n"));
}

TEST_F(DescriptionEditorTest, SavingAnEmptyTextWritesNothingAndOnlyCloses)
{
    writeTemp("kept\r\n");
    job.setDizPath("d:\\chosen.diz");
    editor.openForEditing();
    type("");
    editor.save();
    EXPECT_EQ(tempBytes(), QByteArray("kept\r\n"));
    EXPECT_EQ(job.dizPath(), "d:\\chosen.diz");
    EXPECT_FALSE(window.shown);
    EXPECT_EQ(home.shell.windowEvents.mid(1), (QStringList{"enable", "repaint"}));
}

TEST_F(DescriptionEditorTest, ASaveThatFailsSaysSoKeepsTheDescriptionAndCloses)
{
    QDir().mkpath(home.home() + "/temp/file_id.diz"); // a folder where the file goes
    job.setDizPath("d:\\chosen.diz");
    editor.openForEditing();
    type("ABC");
    editor.save();
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_EQ(home.messages.shown[0].title, "Zavok error");
    EXPECT_EQ(home.messages.shown[0].text, "Save error");
    EXPECT_EQ(home.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(job.dizPath(), "d:\\chosen.diz");
    EXPECT_FALSE(window.shown);
    EXPECT_EQ(home.shell.windowEvents.last(), "repaint");
}

TEST_F(DescriptionEditorTest, AnEditedDescriptionKeepsEveryByteThroughASave)
{
    // Box drawing, blocks, accents, a lone LF and a lone CR, as stored.
    QByteArray art("\xC9\xCD\xCD\xBB\r\n\xBA\xDB\xB1\xBA \x82t\xE9\nlf\rcr\r\n\xC8\xCD\xCD\xBC");
    for (int b = 0x80; b < 0x100; ++b)
        art.append(char(b));
    // Saving when the folder is not there yet (an Edit before any Create).
    ASSERT_FALSE(QDir(home.home() + "/temp").exists());
    editor.openForEditing(art);
    EXPECT_EQ(Cp437Screen::fromScreen(window.screenText), art);
    editor.save();
    EXPECT_EQ(tempBytes(), art + "\r\n");
    EXPECT_TRUE(home.messages.shown.isEmpty());
}

TEST_F(DescriptionEditorTest, ImportPutsAChosenFileInPlaceOfTheTextAsStored)
{
    home.addDrive('e');
    home.write("e:\\art\\new.diz", "new\nlines\r\n");
    editor.openForEditing();
    type("typed");
    home.fileDialog.answers.push_back(QStringLiteral("e:\\art\\new.diz"));
    editor.importFile(true);
    EXPECT_EQ(window.screenText, QString::fromUtf8("new◙lines\n"));
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(window.textFocuses, 1) << "the button puts the focus into the text first";
    ASSERT_EQ(home.fileDialog.requests.size(), 1);
    const FileDialogRequest& r = home.fileDialog.requests[0];
    EXPECT_EQ(r.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(r.title, "File_id.diz");
    EXPECT_EQ(r.filter, "file_id.diz (*.diz)|*.diz");
    EXPECT_EQ(r.filterIndex, 0);
    EXPECT_EQ(r.fileName, "*.diz");
    EXPECT_EQ(r.initialDir, "");

    home.fileDialog.answers.push_back(QStringLiteral("e:\\art\\new.diz"));
    editor.importFile(false);
    EXPECT_EQ(window.textFocuses, 1) << "the menu item leaves the focus where it is";
}

TEST_F(DescriptionEditorTest, CancelInTheImportDialogOrAnUnreadableFileDiscardsTheText)
{
    editor.openForEditing();
    type("typed");
    editor.importFile(true); // no answer: Cancel
    EXPECT_FALSE(window.shown);
    EXPECT_FALSE(tempExists());
    EXPECT_EQ(home.shell.windowEvents, (QStringList{"disable", "enable", "repaint"}));

    editor.openForEditing();
    type("typed");
    home.fileDialog.answers.push_back(QStringLiteral("c:\\missing.diz"));
    editor.importFile(false);
    EXPECT_FALSE(window.shown);
    EXPECT_FALSE(tempExists());
    EXPECT_TRUE(home.messages.shown.isEmpty());
}

TEST_F(DescriptionEditorTest, ThePreviewOffersOnlyOkAndEveryCloseEnablesTheMainWindow)
{
    writeTemp("saved\r\n");
    editor.openForPreview("line\r\nnumbered 01/99\r\n");
    EXPECT_EQ(window.screenText, "line\nnumbered 01/99\n");
    EXPECT_FALSE(window.view.fileMenuEnabled);
    EXPECT_FALSE(window.view.saveShown);
    EXPECT_FALSE(window.view.importShown);
    EXPECT_TRUE(window.view.okShown);
    EXPECT_TRUE(editor.previewing());
    editor.save();
    editor.importFile(false);
    EXPECT_TRUE(window.shown) << "neither is offered in the preview";
    EXPECT_EQ(tempBytes(), QByteArray("saved\r\n"));
    EXPECT_TRUE(home.fileDialog.requests.isEmpty());
    editor.ok();
    EXPECT_FALSE(window.shown);
    EXPECT_EQ(home.shell.windowEvents, (QStringList{"disable", "enable", "repaint"}));

    editor.openForEditing();
    EXPECT_TRUE(window.view.saveShown) << "the next editor edits again";
    editor.cancel();
    EXPECT_FALSE(window.shown);
    EXPECT_EQ(tempBytes(), QByteArray("saved\r\n"));
    EXPECT_EQ(home.shell.windowEvents.last(), "repaint");
    EXPECT_EQ(window.opens, 2);
    EXPECT_EQ(window.closes, 2);
}
