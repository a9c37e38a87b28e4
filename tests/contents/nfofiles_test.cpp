#include "contentsfixture.h"
#include "contents/fileineditor.h"
#include "contents/nfofiles.h"

#include <QDir>
#include <QFile>

namespace {

class NfoFilesTest : public ContentsTest
{
protected:
    NfoFiles nfo{job, view, t.services, t.home(), folderSelection.handler()};

    QString aboutHost() const { return t.home() + QStringLiteral("/temp/About.nfo"); }
    QString aboutDos() const { return (t.homeDos() + QStringLiteral("\\temp\\About.nfo")).toLower(); }
};

} // namespace

TEST_F(NfoFilesTest, BrowseChoosesAnNfoBesideTheDescriptionAndCancelLeavesNone)
{
    job.setDizPath("e:\\release\\file_id.diz");
    t.fileDialog.answers = {"E:\\Release\\INFO.NFO", std::nullopt};
    nfo.browseNfo();
    EXPECT_EQ(job.nfoPath(), "e:\\release\\info.nfo");
    ASSERT_EQ(t.fileDialog.requests.size(), 1);
    const FileDialogRequest& asked = t.fileDialog.requests[0];
    EXPECT_EQ(asked.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(asked.title, "Add *.nfo");
    EXPECT_EQ(asked.filter, "Nfo file(*.nfo)|*.nfo|Text file (*.txt)|*.txt|");
    EXPECT_EQ(asked.fileName, "*.nfo");
    EXPECT_EQ(asked.initialDir, "e:\\release\\file_id.diz");
    EXPECT_EQ(t.shell.focuses, QList<FocusTarget>{FocusTarget::NfoSink});

    nfo.browseNfo();
    EXPECT_EQ(job.nfoPath(), "");
    EXPECT_TRUE(t.messages.shown.isEmpty());
}

TEST_F(NfoFilesTest, BrowseWithNoDescriptionOpensTheDialogInItsDefaultFolder)
{
    nfo.browseNfo();
    ASSERT_EQ(t.fileDialog.requests.size(), 1);
    EXPECT_EQ(t.fileDialog.requests[0].initialDir, "");
}

TEST_F(NfoFilesTest, CreateTwiceKeepsWhatWasWrittenAndOpensTheFileEachTime)
{
    nfo.createNfo();
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].title, "Zavok32");
    EXPECT_EQ(t.messages.shown[0].text, "Choose 'Save' when finished in notepad, NOT 'save as'");
    EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::None);
    ASSERT_TRUE(QFile::exists(aboutHost()));
    EXPECT_EQ(QFile(aboutHost()).size(), 0);
    EXPECT_EQ(t.textEditor.opened, QStringList{aboutHost()});
    EXPECT_EQ(job.nfoPath(), aboutDos());
    EXPECT_EQ(t.shell.pendingEventPasses, 1);

    QFile written(aboutHost());
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write("Quake II\r\nRipped to floppies\r\n");
    written.close();
    job.setNfoPath("");
    nfo.createNfo();
    EXPECT_EQ(t.read(aboutDos()), "Quake II\r\nRipped to floppies\r\n");
    EXPECT_EQ(t.textEditor.opened, (QStringList{aboutHost(), aboutHost()}));
    EXPECT_EQ(job.nfoPath(), aboutDos());
    EXPECT_EQ(t.messages.shown.size(), 2);
}

TEST_F(NfoFilesTest, CreateTakesATempFolderAndFileOfAnotherCase)
{
    QDir(t.home()).mkpath("TEMP");
    QFile old(t.home() + "/TEMP/ABOUT.NFO");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old text");
    old.close();
    nfo.createNfo();
    EXPECT_EQ(t.textEditor.opened, QStringList{t.home() + "/TEMP/ABOUT.NFO"});
    EXPECT_EQ(QDir(t.home()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).filter("temp", Qt::CaseInsensitive),
              QStringList{"TEMP"});
    EXPECT_EQ(job.nfoPath(), aboutDos());
}

TEST_F(NfoFilesTest, CreateThatCannotMakeTheFileSaysSoAndChoosesNothing)
{
    // A file where the folder belongs.
    QFile blocker(t.home() + "/temp");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    nfo.createNfo();
    ASSERT_EQ(t.messages.shown.size(), 2);
    EXPECT_EQ(t.messages.shown[1].title, "Zavok32 error");
    EXPECT_TRUE(t.messages.shown[1].text.startsWith("The information file could not be created:"));
    EXPECT_TRUE(t.textEditor.opened.isEmpty());
    EXPECT_EQ(job.nfoPath(), "");
}

TEST_F(NfoFilesTest, EditOpensTheChosenFileOrDoesNothing)
{
    nfo.editNfo();
    EXPECT_TRUE(t.textEditor.opened.isEmpty());
    EXPECT_TRUE(t.messages.shown.isEmpty());

    t.write("e:\\Release\\Info.nfo", "text");
    job.setNfoPath("e:\\release\\info.nfo");
    nfo.editNfo();
    EXPECT_EQ(t.textEditor.opened, QStringList{t.host("e:\\Release\\Info.nfo")});
    EXPECT_TRUE(t.messages.shown.isEmpty());
    EXPECT_EQ(t.shell.focuses, (QList<FocusTarget>{FocusTarget::NfoSink, FocusTarget::NfoSink}));
}

TEST_F(NfoFilesTest, AnEditorThatCannotStartIsToldToTheUser)
{
    t.textEditor.starts = false;
    job.setNfoPath("e:\\info.nfo");
    nfo.editNfo();
    ASSERT_EQ(t.messages.shown.size(), 1);
    EXPECT_EQ(t.messages.shown[0].title, "Zavok32 error");
    EXPECT_EQ(t.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(t.messages.shown[0].text, FileInEditor::cannotStartText(t.host("e:\\info.nfo")));
    EXPECT_TRUE(t.messages.shown[0].text.startsWith("No text editor could be started for\r\n"));

    job.setNfoPath("q:\\info.nfo");
    nfo.editNfo();
    ASSERT_EQ(t.messages.shown.size(), 2);
    EXPECT_EQ(t.messages.shown[1].text, "The drive of\r\nq:\\info.nfo\r\nis not available.");

    // "&Create" still chooses the file it made: it is there to be edited later.
    nfo.createNfo();
    EXPECT_EQ(job.nfoPath(), aboutDos());
    EXPECT_EQ(t.messages.shown.size(), 4);
}

TEST_F(NfoFilesTest, ExtraBrowseIsOfferedOnceAnOptionIsMarkedByAClickOrAScript)
{
    EXPECT_FALSE(view.nfo.extraBrowseEnabled);
    nfo.browseExtra();
    EXPECT_TRUE(t.fileDialog.requests.isEmpty());
    EXPECT_TRUE(t.folderPicker.requests.isEmpty());

    int redraws = 0;
    QObject::connect(&view, &ViewState::changed, [&] { ++redraws; });
    nfo.markExtra(ExtraChoice::File);
    EXPECT_TRUE(view.nfo.extraBrowseEnabled);
    EXPECT_EQ(redraws, 1);

    // What the output mode of an image switched off, a script's option turns on again.
    view.nfo.extraBrowseEnabled = false;
    job.chooseExtra(ExtraChoice::Directory);
    EXPECT_TRUE(view.nfo.extraBrowseEnabled);
}

TEST_F(NfoFilesTest, AnExtraFileIsChosenBesideTheNfoAndCancelEmptiesIt)
{
    job.setNfoPath("e:\\release\\info.nfo");
    nfo.markExtra(ExtraChoice::File);
    t.fileDialog.answers = {"E:\\Release\\Extras\\MAP.TXT", std::nullopt};
    nfo.browseExtra();
    EXPECT_EQ(job.extraPath(), "e:\\release\\extras\\map.txt");
    ASSERT_EQ(t.fileDialog.requests.size(), 1);
    const FileDialogRequest& asked = t.fileDialog.requests[0];
    EXPECT_EQ(asked.title, "Add extra file");
    EXPECT_EQ(asked.filter, "Extra file (*.*)|*.*|");
    EXPECT_EQ(asked.fileName, "*.*");
    EXPECT_EQ(asked.initialDir, "e:\\release\\info.nfo");

    nfo.browseExtra();
    EXPECT_EQ(job.extraPath(), "");
}

TEST_F(NfoFilesTest, SwitchingOptionsEmptiesTheExtraAndTheMarkedOneKeepsIt)
{
    nfo.markExtra(ExtraChoice::File);
    job.setExtraPath("e:\\map.txt");
    nfo.markExtra(ExtraChoice::File);
    EXPECT_EQ(job.extraPath(), "e:\\map.txt") << "a click on the marked option changes nothing";
    nfo.markExtra(ExtraChoice::Directory);
    EXPECT_EQ(job.extraChoice(), ExtraChoice::Directory);
    EXPECT_EQ(job.extraPath(), "");
}

TEST_F(NfoFilesTest, AnExtraDirectoryCancelKeepsItAnEmptyAnswerEmptiesIt)
{
    nfo.markExtra(ExtraChoice::Directory);
    t.folderPicker.answers = {"E:\\Release\\Extras", std::nullopt, QString()};
    nfo.browseExtra();
    EXPECT_EQ(job.extraPath(), "e:\\release\\extras");
    ASSERT_EQ(t.folderPicker.requests.size(), 1);
    EXPECT_EQ(t.folderPicker.requests[0].title, "Extra directory of files to add to Zip");
    EXPECT_EQ(t.folderPicker.requests[0].root, "");
    EXPECT_EQ(t.folderPicker.requests[0].initialSelection, "");

    nfo.browseExtra();
    EXPECT_EQ(job.extraPath(), "e:\\release\\extras");
    nfo.browseExtra();
    EXPECT_EQ(job.extraPath(), "");
}

TEST_F(NfoFilesTest, TheExtraPickerRunsTheLiveCheck)
{
    drives.figures['e'] = {650000000, 0};
    nfo.markExtra(ExtraChoice::Directory);
    t.folderPicker.selections = {"e:\\cd", ""};
    nfo.browseExtra();
    ASSERT_EQ(t.folderPicker.feedbacks.size(), 2);
    EXPECT_EQ(t.folderPicker.feedbacks[0].status, FolderSelection::invalidDriveText());
    EXPECT_FALSE(t.folderPicker.feedbacks[0].okEnabled);
    EXPECT_EQ(t.folderPicker.feedbacks[1].status, FolderSelection::notValidText());
}
