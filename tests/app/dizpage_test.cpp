#include "contents/dizfile.h"
#include "dizfixture.h"

#include "job/viewstate.h"

#include <QDir>

TEST_F(DizWindowFixture, TheOptionsSwitchTheNumberBoxesTheirColoursAndTest)
{
    auto* none = find<QRadioButton>("dizNone");
    auto* substitute = find<QRadioButton>("dizSubstitute");
    QLineEdit* column = window().dizPage()->columnBox();
    QLineEdit* line = window().dizPage()->lineBox();
    auto* test = find<QPushButton>("dizTest");
    const QColor buttonFace = window().palette().color(QPalette::Button);
    const QColor windowColour = window().palette().color(QPalette::Base);
    EXPECT_TRUE(none->isChecked());
    EXPECT_FALSE(column->isEnabled() || line->isEnabled() || test->isEnabled());
    EXPECT_EQ(column->palette().color(QPalette::Base), buttonFace);
    EXPECT_FALSE(column->hasFrame());
    EXPECT_EQ(column->alignment(), Qt::AlignCenter);

    click(substitute);
    EXPECT_TRUE(job().autoNumbering());
    EXPECT_TRUE(column->isEnabled() && line->isEnabled() && test->isEnabled());
    EXPECT_EQ(line->palette().color(QPalette::Base), windowColour);
    column->setFocus();
    QTest::keyClicks(column, "10");
    line->setFocus();
    QTest::keyClicks(line, "3");
    EXPECT_EQ(job().dizColumn(), "10");
    EXPECT_EQ(job().dizLine(), "3");

    click(none);
    EXPECT_FALSE(job().autoNumbering());
    EXPECT_FALSE(column->isEnabled() || test->isEnabled());
    EXPECT_EQ(column->palette().color(QPalette::Base), buttonFace);
    EXPECT_EQ(column->text(), "10") << "the boxes keep their texts";

    // From the keyboard: S&ubsitute at column.
    alt(&window(), Qt::Key_U);
    EXPECT_TRUE(substitute->isChecked());
    EXPECT_TRUE(job().autoNumbering());
    EXPECT_EQ(line->text(), "3");
}

TEST_F(DizWindowFixture, PointingAtANumberBoxGivesItTheFocusWhileNumberingIsOn)
{
    QLineEdit* line = window().dizPage()->lineBox();
    click("dizSubstitute");
    window().dizPage()->focusSink()->setFocus();
    QTest::mouseMove(line, QPoint(5, 5));
    QTest::mouseMove(line, QPoint(8, 6));
    EXPECT_TRUE(line->hasFocus());
}

TEST_F(DizWindowFixture, TabVisitsTheControlsInOrderAndNeverTheFocusSink)
{
    auto* browse = find<QPushButton>("dizBrowse");
    QWidget* sink = window().dizPage()->focusSink();
    EXPECT_FALSE(sink->focusPolicy() & Qt::TabFocus);
    click("dizSubstitute");
    home.write("c:\\text\\file_id.diz", "desc\r\n");
    job().setDizPath("c:\\text\\file_id.diz");
    browse->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"dizBrowse", "dizCreate", "dizEdit", "dizSubstitute", "dizColumn", "dizLine",
                                    "dizTest"}))
        << "the marked option stands for both";
}

TEST_F(DizWindowFixture, BrowseShowsTheChosenFileAndCancelEmptiesThePanel)
{
    home.write("c:\\Release\\INFO.TXT", "\xC9\xCD\xBB info\r\n");
    home.fileDialog.answers.push_back(QStringLiteral("C:\\Release\\INFO.TXT"));
    click("dizBrowse");
    EXPECT_EQ(find<PathPanel>("dizPathPanel")->text(), "c:\\release\\info.txt");
    EXPECT_EQ(bytesOf(homeFile("file_id.diz")), QByteArray("\xC9\xCD\xBB info\r\n"));
    EXPECT_TRUE(window().dizPage()->focusSink()->hasFocus()) << "no visible control keeps the focus";
    ASSERT_EQ(home.fileDialog.requests.size(), 1);
    EXPECT_EQ(home.fileDialog.requests[0].title, "Add file_id.diz");

    alt(&window(), Qt::Key_B); // Cancel
    EXPECT_EQ(find<PathPanel>("dizPathPanel")->text(), "");
    EXPECT_EQ(job().dizPath(), "");
}

TEST_F(DizWindowFixture, CreateWithNumberingOnMarksNoneAndOpensTheEditorOverADisabledWindow)
{
    click("dizSubstitute");
    job().setDizColumn("10");
    job().setDizPath("e:\\chosen.diz");
    click("dizCreate");
    EXPECT_TRUE(find<QRadioButton>("dizNone")->isChecked());
    EXPECT_FALSE(window().dizPage()->columnBox()->isEnabled());
    EXPECT_EQ(window().dizPage()->columnBox()->text(), "10");
    EXPECT_FALSE(find<QPushButton>("dizTest")->isEnabled());
    EXPECT_EQ(find<PathPanel>("dizPathPanel")->text(), "");
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->windowTitle(), "File.id.diz");
    EXPECT_FALSE(window().isEnabled());
    EXPECT_TRUE(QDir(homeFile("temp")).exists());

    // The main window takes no input meanwhile.
    auto* browse = find<QPushButton>("dizBrowse");
    QTest::mouseClick(browse, Qt::LeftButton);
    alt(&window(), Qt::Key_B);
    QTest::keyClick(&window(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(home.fileDialog.requests.isEmpty());
}

TEST_F(DizWindowFixture, EditIsThereOnlyWithADescriptionChosenAndTestWithoutOneSaysWhatToDo)
{
    EXPECT_FALSE(find<QPushButton>("dizEdit")->isEnabled()) << "nothing to edit yet";
    home.write("c:\\text\\file_id.diz", "desc\r\n");
    job().setDizPath("c:\\text\\file_id.diz");
    EXPECT_TRUE(find<QPushButton>("dizEdit")->isEnabled());
    job().setDizPath("");
    EXPECT_FALSE(find<QPushButton>("dizEdit")->isEnabled());

    click("dizSubstitute");
    click("dizTest");
    EXPECT_EQ(editor(), nullptr);
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_EQ(home.messages.shown[0].text, DizFile::noDescriptionToTest());
    EXPECT_TRUE(window().isEnabled());
}

TEST_F(DizWindowFixture, TheOutputModeOfAnImageGreysWhatItNames)
{
    DizPageView& diz = program->view().diz;
    diz.numberingChoiceEnabled = false;
    diz.labelsEnabled = false;
    diz.separatorShown = false;
    diz.filesEnabled = false;
    program->view().notify();
    job().setAutoNumbering(false);
    EXPECT_FALSE(find<QRadioButton>("dizNone")->isEnabled());
    EXPECT_FALSE(find<QRadioButton>("dizSubstitute")->isEnabled());
    EXPECT_FALSE(find<QWidget>("dizNumberingLabel")->isEnabled());
    EXPECT_FALSE(find<QWidget>("dizLineLabel")->isEnabled());
    EXPECT_FALSE(find<QWidget>("dizSeparator")->isVisible());
    EXPECT_FALSE(find<QPushButton>("dizBrowse")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("dizEdit")->isEnabled());
}
