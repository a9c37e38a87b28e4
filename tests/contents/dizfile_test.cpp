#include "contents/descriptioneditor.h"
#include "contents/dizfile.h"
#include "contents/diznumberingbinding.h"
#include "doubles/temphome.h"
#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "pipeline/descriptionpreview.h"
#include "pipeline/diznumbering.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// A boxed description whose third line has room for the number from column 10.
const QByteArray kBoxed("\xC9\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBB\r\n"
                        "\xBA QUAKE II (1997)   \xBA\r\n"
                        "\xBA Disk:  ?\?/?\?      \xBA\r\n"
                        "\xC8\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBC\r\n");

struct EditorPreview : DescriptionPreview {
    DescriptionEditor& editor;
    RipRunState& state;
    bool previewModeSeen = false;
    EditorPreview(DescriptionEditor& e, RipRunState& s) : editor(e), state(s) {}
    void showPreview(const QByteArray& text) override
    {
        previewModeSeen = state.dizPreviewMode;
        editor.openForPreview(text);
    }
};

struct DizFileTest : ::testing::Test {
    TempHome home;
    RipJob job;
    RipRunState state;
    ViewState view;
    AppState app;
    FakeDescriptionWindow window;
    DescriptionEditor editor{job, home.services, window};
    DizFile diz{job, state, view, home.services, editor};
    DizNumberingBinding binding{job, diz};
    EditorPreview preview{editor, state};
    QString driveE = home.addDrive('e');

    DizFileTest()
    {
        diz.checkNumbering = [this]() -> std::optional<QString> {
            const StepResult result = checkDizNumbering(job, state, app, home.services, &preview);
            return result.ok ? std::nullopt : std::optional(result.reason);
        };
        home.shell.pages << PageId::Diz;
    }
    void chooseBoxed(const QString& column, const QString& line)
    {
        home.write("e:\\boxed.diz", kBoxed);
        job.setDizPath("e:\\boxed.diz");
        diz.chooseNumbering(true);
        job.setDizColumn(column);
        job.setDizLine(line);
    }
    QString screenLine(int n) const { return window.screenText.split('\n').value(n - 1); }
};

} // namespace

TEST_F(DizFileTest, BrowseAsksForADescriptionWhereTheLastOneOrTheSourceIs)
{
    job.setSourcePath("e:\\games\\quake2");
    diz.browse();
    job.setDizPath("e:\\old\\file_id.diz");
    diz.browse();
    ASSERT_EQ(home.fileDialog.requests.size(), 2);
    const FileDialogRequest& first = home.fileDialog.requests[0];
    EXPECT_EQ(first.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(first.title, "Add file_id.diz");
    EXPECT_EQ(first.filter, "File_id.diz (*.diz)|*.diz|Text file (*.txt)|*.txt|");
    EXPECT_EQ(first.filterIndex, 1);
    EXPECT_EQ(first.fileName, "*.diz");
    EXPECT_EQ(first.initialDir, "e:\\games\\quake2");
    EXPECT_EQ(home.fileDialog.requests[1].initialDir, "e:\\old\\file_id.diz");
    EXPECT_EQ(home.shell.focuses, (QList<FocusTarget>{FocusTarget::DizSink, FocusTarget::DizSink}));
}

TEST_F(DizFileTest, BrowseCopiesTheChosenFileInLowerCaseAndCancelEmptiesThePanel)
{
    home.write("c:\\Release\\INFO.TXT", "\xDB\xDB info \xB0\r\n");
    home.fileDialog.answers.push_back(QStringLiteral("C:\\Release\\INFO.TXT"));
    diz.browse();
    EXPECT_EQ(job.dizPath(), "c:\\release\\info.txt");
    QFile copy(home.home() + "/file_id.diz");
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("\xDB\xDB info \xB0\r\n"));

    diz.browse(); // Cancel
    EXPECT_EQ(job.dizPath(), "");
    EXPECT_TRUE(home.messages.shown.isEmpty());
}

TEST_F(DizFileTest, BrowseRefusesTheApplicationDirectorysOwnCopy)
{
    QFile own(home.home() + "/file_id.diz");
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("own\r\n");
    own.close();
    home.fileDialog.answers.push_back(home.homeDos() + "\\FILE_ID.DIZ");
    diz.browse();
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_EQ(home.messages.shown[0].title, "Zavok32 error");
    EXPECT_EQ(home.messages.shown[0].text, "The file_id.diz can't be from your application directory");
    EXPECT_EQ(home.messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(job.dizPath(), "");
    EXPECT_EQ(home.read(home.homeDos() + "\\file_id.diz"), QByteArray("own\r\n"));
}

TEST_F(DizFileTest, BrowseOfAFileThatCannotBeCopiedSaysWhichAndChoosesNothing)
{
    home.fileDialog.answers.push_back(QStringLiteral("e:\\gone.diz"));
    diz.browse();
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_TRUE(home.messages.shown[0].text.startsWith("The file_id.diz can't be copied to your application directory:\re:\\gone.diz\r"));
    EXPECT_EQ(job.dizPath(), "");
}

TEST_F(DizFileTest, CreateTurnsNumberingOffKeepsTheBoxesAndOpensTheTextSavedLast)
{
    job.setDizPath("e:\\chosen.diz");
    diz.chooseNumbering(true);
    job.setDizColumn("10");
    job.setDizLine("3");
    EXPECT_TRUE(view.diz.numberBoxesEnabled);
    EXPECT_TRUE(view.diz.testEnabled);
    home.write(home.homeDos() + "\\temp\\file_id.diz", "last\r\n");

    diz.create();
    EXPECT_FALSE(job.autoNumbering());
    EXPECT_FALSE(view.diz.numberBoxesEnabled);
    EXPECT_FALSE(view.diz.testEnabled);
    EXPECT_EQ(job.dizColumn(), "10");
    EXPECT_EQ(job.dizLine(), "3");
    EXPECT_EQ(job.dizPath(), "");
    EXPECT_TRUE(window.shown);
    EXPECT_TRUE(window.view.fileMenuEnabled);
    EXPECT_EQ(window.screenText, "last\n");
    EXPECT_EQ(home.shell.focuses, QList<FocusTarget>{FocusTarget::DizSink});
}

TEST_F(DizFileTest, CreateMakesTheTempFolder)
{
    diz.create();
    EXPECT_TRUE(QDir(home.home() + "/temp").exists());
    EXPECT_EQ(window.screenText, "");
}

TEST_F(DizFileTest, EditOpensNothingWithoutADescriptionAndOtherwiseItsBytes)
{
    diz.edit();
    EXPECT_EQ(window.opens, 0);
    EXPECT_EQ(home.shell.focuses, QList<FocusTarget>{FocusTarget::DizSink});

    home.write("e:\\art.diz", "\xB2\xB2 lone\nlf\r\n");
    home.write(home.homeDos() + "\\temp\\file_id.diz", "saved\r\n");
    job.setDizPath("e:\\art.diz");
    diz.edit();
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(window.screenText, QString::fromUtf8("▓▓ lone◙lf\n")) << "as stored, not the text saved last";
}

TEST_F(DizFileTest, EditOfADescriptionThatCannotBeReadSaysSoAndOpensNothing)
{
    job.setDizPath("e:\\gone.diz");
    diz.edit();
    EXPECT_EQ(window.opens, 0);
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_EQ(home.messages.shown[0].text, "The file_id.diz can't be read:\re:\\gone.diz");
    EXPECT_EQ(home.shell.windowEvents, QStringList{}) << "the main window stays enabled";
}

TEST_F(DizFileTest, TheOptionsSwitchTheBoxesAndTestAndKeepTheTypedNumbers)
{
    EXPECT_FALSE(view.diz.numberBoxesEnabled);
    EXPECT_FALSE(view.diz.testEnabled);
    diz.chooseNumbering(true);
    job.setDizColumn("12");
    job.setDizLine("4");
    diz.chooseNumbering(false);
    EXPECT_FALSE(view.diz.numberBoxesEnabled);
    diz.chooseNumbering(true);
    EXPECT_TRUE(view.diz.numberBoxesEnabled);
    EXPECT_TRUE(view.diz.testEnabled);
    EXPECT_EQ(job.dizColumn(), "12");
    EXPECT_EQ(job.dizLine(), "4");

    // Whoever changes the field: a script, the output mode of an image.
    job.setAutoNumbering(false);
    EXPECT_FALSE(view.diz.numberBoxesEnabled);
    EXPECT_FALSE(view.diz.testEnabled);
}

TEST_F(DizFileTest, PointingAtANumberBoxFocusesItOnlyWhileNumberingIsOn)
{
    diz.numberBoxHovered(FocusTarget::DizColumn);
    EXPECT_TRUE(home.shell.focuses.isEmpty());
    diz.chooseNumbering(true);
    diz.numberBoxHovered(FocusTarget::DizLine);
    EXPECT_EQ(home.shell.focuses, QList<FocusTarget>{FocusTarget::DizLine});
}

TEST_F(DizFileTest, TestShowsTheNumberedDescriptionInThePreview)
{
    chooseBoxed("10", "3");
    diz.test();
    ASSERT_TRUE(window.shown);
    EXPECT_TRUE(window.view.okShown);
    EXPECT_TRUE(preview.previewModeSeen);
    EXPECT_FALSE(state.dizPreviewMode) << "only for the test";
    EXPECT_EQ(screenLine(3).mid(9, 5), "01/99");
    EXPECT_EQ(screenLine(3), QString::fromUtf8("║ Disk:  01/99      ║"));
    EXPECT_EQ(screenLine(1).size(), 21);
    EXPECT_EQ(screenLine(3).size(), 21) << "the line keeps its length";
    EXPECT_TRUE(home.messages.shown.isEmpty());
    editor.ok();

    state.threeDigitNumbering = true;
    diz.test();
    EXPECT_EQ(screenLine(3).mid(9, 7), "001/999");
}

TEST_F(DizFileTest, TestSaysWhenTheLineOrColumnDoesNotFit)
{
    chooseBoxed("18", "3");
    diz.test();
    EXPECT_FALSE(window.shown);
    ASSERT_EQ(home.messages.texts(), QStringList{"Column number too high"});
    EXPECT_EQ(home.shell.focuses.last(), FocusTarget::DizColumn);

    job.setDizColumn("2");
    job.setDizLine("5");
    diz.test();
    EXPECT_EQ(home.messages.texts().last(), "Line number too high");
    EXPECT_EQ(home.shell.focuses.last(), FocusTarget::DizLine);
    EXPECT_FALSE(state.dizPreviewMode);
}

TEST_F(DizFileTest, ATestThatCannotReadTheDescriptionSaysWhy)
{
    chooseBoxed("10", "3");
    QFile::remove(driveE + "/boxed.diz");
    diz.test();
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_TRUE(home.messages.shown[0].text.startsWith("The numbering can't be tested:\r"));
    EXPECT_FALSE(state.dizPreviewMode);
    EXPECT_FALSE(window.shown);
}
