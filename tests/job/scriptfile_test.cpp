#include "scriptfixture.h"

#include "platform/textcodec.h"

#include <QDir>
#include <QFile>

TEST_F(ScriptTest, ScriptTextHasTheFixedLayout)
{
    job.setSourcePath("d:\\games");
    job.setSkipEntries("extras\\*.*\r\nreadme.txt\r\n");
    job.setDizPath("d:\\file_id.diz");
    job.setAutoNumbering(true);
    job.setDizColumn("10");
    job.setDizLine("3");
    job.setNfoPath("d:\\info.nfo");
    job.setFirstZipOnly(1);
    job.chooseExtra(ExtraChoice::File);
    job.setExtraPath("d:\\extra.txt");
    job.setZipDirectory("d:\\out");
    job.setZipBaseName("mygame");
    job.setArchiveCompression(-1);
    job.setZipCompression(2);
    job.setZipCommentPath("D:\\Comment.TXT");

    EXPECT_EQ(ScriptFile::scriptText(job, t.clock.now()),
              "Zavok32 script - 12-07-1999  13:45:09\r\n"
              "Source: d:\\games\r\n"
              "Skip: \r\nextras\\*.*\r\nreadme.txt\r\n\r\n"
              "Diz: d:\\file_id.diz\r\n"
              "AutoN: True\r\n"
              "Col: 10\r\n"
              "Lin: 3\r\n"
              "Nfo: d:\\info.nfo\r\n"
              " 1st: 1\r\n"
              " File:True\r\n"
              " Extra:d:\\extra.txt\r\n"
              "Zip: d:\\out\r\n"
              " name:mygame\r\n"
              " Size: 3\r\n"
              " Solid:-1\r\n"
              " Extra: 2\r\n"
              "d:\\comment.txt\r\n");

    job.setSkipEntries("");
    EXPECT_TRUE(ScriptFile::scriptText(job, t.clock.now()).contains("Source: d:\\games\r\nSkip: \r\n\r\nDiz: "));
}

TEST_F(ScriptTest, SavedThenReadGivesBackEveryStoredField)
{
    t.write("d:\\comment.txt", "hello");
    job.setSourcePath("d:\\jeux\\\u00e9t\u00e9");
    job.setSkipEntries("extras\\*.*\r\n\u65e5\u672c.txt\r\n");
    job.setDizPath("d:\\file_id.diz");
    job.setAutoNumbering(true);
    job.setDizColumn("10");
    job.setDizLine("3");
    job.setNfoPath("d:\\info.nfo");
    job.setFirstZipOnly(1);
    job.chooseExtra(ExtraChoice::Directory);
    job.setExtraPath("d:\\extras");
    job.setZipDirectory("d:\\out");
    job.setZipBaseName("mygame");
    job.setArchiveSizeStep(14);
    job.setArchiveCompression(0);
    job.setZipCompression(5);
    job.setZipCommentPath("d:\\comment.txt");
    QDir().mkpath(t.host("d:\\Scripts"));
    t.fileDialog.answers.push_back("D:\\Scripts\\Saved.ZVK");
    scripts.saveScript();
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(job.scriptPath(), "d:\\scripts\\saved.zvk");
    EXPECT_EQ(view.window.caption, "Zavok32 - saved.zvk");
    ASSERT_EQ(t.fileDialog.requests.size(), 1);
    EXPECT_EQ(t.fileDialog.requests[0].title, "Save script");
    EXPECT_EQ(t.fileDialog.requests[0].filter, "Script (*.zvk)|*.zvk|");
    EXPECT_EQ(t.fileDialog.requests[0].fileName, "*.zvk");
    EXPECT_EQ(t.fileDialog.requests[0].initialDir, t.homeDos() + "\\Scripts");
    // A character outside Windows-1252 makes the file UTF-8 with a mark.
    EXPECT_TRUE(t.read("d:\\scripts\\saved.zvk").startsWith("\xEF\xBB\xBFZavok32 script - "));

    RipJob back;
    ViewState view2;
    ScriptFile reader(back, view2, app, t.services, t.home());
    back.setScriptPath(job.scriptPath());
    reader.readScript();
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(back.sourcePath(), job.sourcePath());
    EXPECT_EQ(back.skipEntries(), job.skipEntries());
    EXPECT_EQ(back.dizPath(), job.dizPath());
    EXPECT_EQ(back.autoNumbering(), true);
    EXPECT_EQ(back.dizColumn(), "10");
    EXPECT_EQ(back.dizLine(), "3");
    EXPECT_EQ(back.nfoPath(), job.nfoPath());
    EXPECT_EQ(back.firstZipOnly(), 1);
    EXPECT_EQ(back.extraChoice(), ExtraChoice::Directory);
    EXPECT_EQ(back.extraPath(), "d:\\extras");
    EXPECT_EQ(back.zipDirectory(), "d:\\out");
    EXPECT_EQ(back.zipBaseName(), "mygame");
    EXPECT_EQ(back.archiveSizeStep(), 14);
    EXPECT_EQ(back.archiveCompression(), 0);
    EXPECT_EQ(back.zipCompression(), 5);
    EXPECT_EQ(back.zipCommentPath(), "d:\\comment.txt");
    EXPECT_EQ(t.read(t.homeDos() + "\\zcomment.ini"), "hello");
}

TEST_F(ScriptTest, SaveAddsTheExtensionToABareNameAndAsksBeforeReplacing)
{
    job.setSourcePath("d:\\first");
    t.fileDialog.answers = {"d:\\S", "d:\\s", "d:\\s.zvk", "d:\\notes.txt"};
    scripts.saveScript();
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(job.scriptPath(), "d:\\s.zvk");
    EXPECT_EQ(view.window.caption, "Zavok32 - s.zvk");
    EXPECT_TRUE(t.read("d:\\s.zvk").contains("Source: d:\\first\r\n"));

    // Cancel keeps the file; OK replaces it.
    job.setSourcePath("d:\\second");
    t.messages.answers = {MessageResult::Cancel, MessageResult::Ok};
    scripts.saveScript();
    EXPECT_TRUE(t.read("d:\\s.zvk").contains("first"));
    scripts.saveScript();
    EXPECT_TRUE(t.read("d:\\s.zvk").contains("Source: d:\\second\r\n"));
    ASSERT_EQ(t.messages.shown.size(), 2);
    EXPECT_EQ(t.messages.shown[0].text, "d:\\s.zvk already exists.\r\nReplace it?");
    EXPECT_EQ(t.messages.shown[0].buttons, MessageButtons::OkCancel);

    // A name with an extension of its own keeps it.
    scripts.saveScript();
    EXPECT_EQ(job.scriptPath(), "d:\\notes.txt");
    EXPECT_TRUE(t.read("d:\\notes.txt").startsWith("Zavok32 script - "));
}

TEST_F(ScriptTest, CancelledSaveDoesNothing)
{
    scripts.saveScript();
    EXPECT_EQ(job.scriptPath(), "");
    EXPECT_EQ(view.window.caption, "Zavok32");
    EXPECT_TRUE(t.messages.shown.isEmpty());
}

TEST_F(ScriptTest, AFailedSaveIsReportedAndKeepsTheCaption)
{
    view.window.caption = "Zavok32 - earlier.zvk";
    t.fileDialog.answers = {"d:\\no such folder\\job.zvk"};
    scripts.saveScript();
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].title, "Zavok32 error");
    EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(t.messages.shown[0].text.startsWith("The script could not be saved as d:\\no such folder\\job.zvk\r\n"));
    EXPECT_EQ(view.window.caption, "Zavok32 - earlier.zvk");

    // A drive that is not there is a failure too.
    t.fileDialog.answers = {"q:\\job.zvk"};
    scripts.saveScript();
    EXPECT_EQ(t.messages.shown.size(), 2);
}

TEST_F(ScriptTest, OpenClearsTheJobFirstEvenWhenCancelled)
{
    job.setReadyToRun(true);
    job.setSkipEntries("x\r\n");
    job.setImageMode(true);
    job.setSourcePath("d:\\a.iso");
    scripts.openScript();
    EXPECT_FALSE(job.readyToRun());
    EXPECT_EQ(job.skipEntries(), "");
    EXPECT_FALSE(job.imageMode());
    EXPECT_EQ(job.sourcePath(), "");
    ASSERT_EQ(t.fileDialog.requests.size(), 1);
    EXPECT_EQ(t.fileDialog.requests[0].title, "Open script");
    EXPECT_EQ(t.fileDialog.requests[0].mode, FileDialogRequest::Mode::Open);
}

TEST_F(ScriptTest, OpenReadsChecksMeasuresAndShowsTheZipFreeSpace)
{
    QStringList lines = fullScript();
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += l.toLatin1() + "\r\n";
    t.write("d:\\Scripts\\Game.zvk", bytes);
    QStringList calls;
    scripts.checkJob = [&] { calls << "check"; job.setReadyToRun(true); };
    scripts.measureSource = [&] { calls << "measure"; };
    t.fileDialog.answers = {"D:\\SCRIPTS\\GAME.ZVK"};
    scripts.openScript();
    EXPECT_EQ(calls, (QStringList{"check", "measure"}));
    EXPECT_EQ(job.scriptPath(), "d:\\scripts\\game.zvk");
    EXPECT_EQ(view.window.caption, "Zavok32 - game.zvk");
    EXPECT_EQ(job.zipBaseName(), "mygame");
    EXPECT_TRUE(job.readyToRun());
    EXPECT_TRUE(view.zip.freeSpaceCaption.startsWith("Free space  "));
    EXPECT_TRUE(view.zip.freeSpaceCaption.endsWith(" M"));
}

TEST_F(ScriptTest, OpenWithAZipDirectoryOnNoDriveIsNotReady)
{
    QStringList lines = fullScript();
    lines[14] = "Zip: ";
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += l.toLatin1() + "\r\n";
    t.write("d:\\x.zvk", bytes);
    scripts.checkJob = [&] { job.setReadyToRun(true); };
    t.fileDialog.answers = {"d:\\x.zvk"};
    scripts.openScript();
    EXPECT_FALSE(job.readyToRun());
}
