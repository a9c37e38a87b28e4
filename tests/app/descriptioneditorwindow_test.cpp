#include "dizfixture.h"

#include "contents/cp437screen.h"
#include "job/riprunstate.h"
#include "pipeline/riprun.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QMenuBar>

namespace {

// A boxed description whose third line takes the number from column 10.
const QByteArray kBoxed("\xC9\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBB\r\n"
                        "\xBA QUAKE II (1997)   \xBA\r\n"
                        "\xBA Disk:  ?\?/?\?      \xBA\r\n"
                        "\xC8\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBC\r\n");

// Typing as a keyboard with these characters on its keys would.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

TEST_F(DizWindowFixture, SaveWritesTheTextAndALineEndAndEveryCreateStartsFromIt)
{
    click("dizCreate");
    ASSERT_NE(editor(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor()));
    EXPECT_TRUE(editor()->textBox()->hasFocus());
    QTest::keyClicks(editor()->textBox(), "ABC");
    click(editor()->saveButton());
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(window().isEnabled());
    EXPECT_EQ(bytesOf(homeFile("temp/file_id.diz")), QByteArray("ABC\r\n"));
    EXPECT_EQ(find<PathPanel>("dizPathPanel")->text(), tempDizDos());

    click("dizCreate");
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->screenText(), "ABC\n");
    choose(editor()->saveAction());
    EXPECT_EQ(bytesOf(homeFile("temp/file_id.diz")), QByteArray("ABC\r\n\r\n"));
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(home.messages.shown.isEmpty());
}

TEST_F(DizWindowFixture, SavingAnEmptyTextOnlyClosesTheEditor)
{
    click("dizCreate");
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor()));
    alt(editor(), Qt::Key_S); // from the keyboard
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(window().isEnabled());
    EXPECT_FALSE(QFile::exists(homeFile("temp/file_id.diz")));
    EXPECT_EQ(job().dizPath(), "");
}

TEST_F(DizWindowFixture, EveryByteOfAnEditedDescriptionSurvivesTheWindowAndTheSave)
{
    QByteArray bytes("\xC9\xCD\xBB\r\n\xBA\xDB\xBA lone\nlf\rcr\r\n");
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    home.write("e:\\art.diz", bytes);
    job().setDizPath("e:\\art.diz");
    click("dizEdit");
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editorLine(1), QString::fromUtf8("╔═╗"));
    EXPECT_EQ(editorLine(2), QString::fromUtf8("║█║ lone◙lf♪cr"));
    click(editor()->saveButton());
    EXPECT_EQ(bytesOf(homeFile("temp/file_id.diz")), bytes + "\r\n");
    EXPECT_EQ(bytesOf(driveE + "/art.diz"), bytes) << "the chosen file is never written";
    EXPECT_EQ(job().dizPath(), tempDizDos());
}

TEST_F(DizWindowFixture, ACharacterCodePage437CannotHoldIsShownAndSavedAsAQuestionMark)
{
    click("dizCreate");
    QPlainTextEdit* text = editor()->textBox();
    type(text, QString::fromUtf8("5€ é"));
    EXPECT_EQ(editor()->screenText(), QString::fromUtf8("5? é"));
    text->insertPlainText(QString::fromUtf8("\n╚😀╝"));
    EXPECT_EQ(editor()->screenText(), QString::fromUtf8("5? é\n╚?╝"));
    QTest::keyClicks(text, "!");
    EXPECT_EQ(editorLine(2), QString::fromUtf8("╚?╝!")) << "the cursor stays after the replacement";
    click(editor()->saveButton());
    EXPECT_EQ(bytesOf(homeFile("temp/file_id.diz")), QByteArray("5? \x82\r\n\xC8?\xBC!\r\n"));
}

TEST_F(DizWindowFixture, ImportReplacesTheTextAndItsCancelDiscardsIt)
{
    home.write("e:\\new.diz", "\xB0\xB1\xB2 new\r\n");
    click("dizCreate");
    QTest::keyClicks(editor()->textBox(), "typed");
    home.fileDialog.answers.push_back(QStringLiteral("e:\\new.diz"));
    click(editor()->importButton());
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->screenText(), QString::fromUtf8("░▒▓ new\n"));
    EXPECT_EQ(home.fileDialog.requests.last().title, "File_id.diz");

    editor()->textBox()->setPlainText("typed again");
    choose(editor()->importAction()); // Cancel
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(window().isEnabled());
    EXPECT_FALSE(QFile::exists(homeFile("temp/file_id.diz")));
    EXPECT_EQ(job().dizPath(), "");
}

TEST_F(DizWindowFixture, CancelAndTheCloseBoxCloseTheEditorAndEnableTheMainWindow)
{
    click("dizCreate");
    ASSERT_TRUE(editor()->fileMenu()->isEnabled());
    QTest::keyClicks(editor()->textBox(), "dropped");
    choose(editor()->cancelAction());
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(window().isEnabled());

    click("dizCreate");
    DescriptionEditorWindow* open = editor();
    ASSERT_NE(open, nullptr);
    open->close(); // the close box
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(window().isEnabled());
    EXPECT_FALSE(QFile::exists(homeFile("temp/file_id.diz")));
}

TEST_F(DizWindowFixture, TestShowsTheNumberedDescriptionInThePreview)
{
    home.write("e:\\boxed.diz", kBoxed);
    job().setDizPath("e:\\boxed.diz");
    click("dizSubstitute");
    job().setDizColumn("10");
    job().setDizLine("3");
    click("dizTest");
    ASSERT_NE(editor(), nullptr) << home.messages.texts().join("|").toStdString();
    EXPECT_FALSE(window().isEnabled());
    EXPECT_EQ(editorLine(3).mid(9, 5), "01/99") << editorLine(3).toStdString();
    EXPECT_EQ(editorLine(3), QString::fromUtf8("║ Disk:  01/99      ║"));
    EXPECT_FALSE(editor()->fileMenu()->isEnabled());
    EXPECT_FALSE(editor()->saveButton()->isVisible());
    EXPECT_FALSE(editor()->importButton()->isVisible());
    click(editor()->okButton());
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(window().isEnabled());
    EXPECT_FALSE(program->runState().dizPreviewMode);

    program->runState().threeDigitNumbering = true;
    alt(&window(), Qt::Key_T);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editorLine(3).mid(9, 7), "001/999");
    EXPECT_TRUE(editor()->okButton()->isDefault());
    QTest::keyClick(editor()->okButton(), Qt::Key_Return);
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(bytesOf(driveE + "/boxed.diz"), kBoxed);
}

TEST_F(DizWindowFixture, ALineTheNumberDoesNotFitIsSaidAndNoPreviewOpens)
{
    home.write("e:\\boxed.diz", kBoxed);
    job().setDizPath("e:\\boxed.diz");
    click("dizSubstitute");
    job().setDizColumn("18");
    job().setDizLine("3");
    click("dizTest");
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(home.messages.texts(), QStringList{"Column number too high"});
    EXPECT_TRUE(window().dizPage()->columnBox()->hasFocus());
    EXPECT_TRUE(window().isEnabled());
}

TEST_F(DizWindowFixture, TheRunsOwnNumberingCheckShowsThePreviewInTheSameEditor)
{
    home.write("e:\\boxed.diz", kBoxed);
    job().setDizPath("e:\\boxed.diz");
    job().setAutoNumbering(true);
    job().setDizColumn("10");
    job().setDizLine("3");
    program->runState().dizPreviewMode = true;
    program->run()->context().steps.checkDizNumbering();
    program->runState().dizPreviewMode = false;
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editorLine(3).mid(9, 5), "01/99");
    EXPECT_TRUE(editor()->okButton()->isVisible());
    DescriptionEditorWindow* first = editor();
    program->runState().dizPreviewMode = true;
    program->run()->context().steps.checkDizNumbering();
    program->runState().dizPreviewMode = false;
    EXPECT_TRUE(program->runState().numberingChecked);
    EXPECT_EQ(editor(), first);
    int editors = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        editors += qobject_cast<DescriptionEditorWindow*>(w) && w->isVisible();
    EXPECT_EQ(editors, 1) << "one editor at a time";
}

TEST(DescriptionScreenFont, IsTheVgaFontAtTheSizeItsCellsWereDrawnFor)
{
    const QFont font = DescriptionEditorWindow::screenFont();
    EXPECT_EQ(QFontInfo(font).family(), "Px IBM VGA9") << "the package fonts-pc is missing";
    const QFontMetrics metrics(font);
    // Cells of 9 by 16 pixels with no gap between lines: box lines join.
    EXPECT_EQ(metrics.lineSpacing(), 16);
    EXPECT_EQ(metrics.height(), 16);
    EXPECT_EQ(metrics.horizontalAdvance(QChar(0x2550)), 9);
    EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('i')), 9);
}
