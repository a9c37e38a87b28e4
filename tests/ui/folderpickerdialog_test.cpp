#include "doubles/temphome.h"
#include "source/folderselection.h"
#include "ui/folderpickerdialog.h"
#include "ui/isobinoptiondialog.h"
#include "ui/qtfolderpicker.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct FolderPickerWindow : ::testing::Test {
    TempHome home;
    FolderSelection selection{home.drives};

    void SetUp() override
    {
        home.addDrive('d');
        home.write("d:\\Games\\Quake\\pak0.pak", "p");
        home.write("d:\\Games\\readme.txt", "r");
    }
    // Types into the path field as a user does, then presses Enter.
    static void typePath(FolderPickerDialog& dialog, const QString& text)
    {
        QLineEdit* field = dialog.pathField();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
};

} // namespace

TEST_F(FolderPickerWindow, APathTypedOrPastedIsSelectedAndEnterTakesIt)
{
    FolderPickerRequest request{"Source directory", "desktop", {}};
    FolderPickerDialog dialog(home.drives, request, selection.handler());
    dialog.show();
    QApplication::setActiveWindow(&dialog);

    typePath(dialog, "d:\\nowhere");
    EXPECT_TRUE(dialog.isVisible()) << "Enter cannot confirm a path that is not there";
    EXPECT_EQ(dialog.statusLabel()->text(), "Not a valid drive or path");
    EXPECT_FALSE(dialog.okButton()->isEnabled());

    typePath(dialog, "D:/games/quake");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedPath(), "d:\\Games\\Quake");
    EXPECT_EQ(dialog.tree()->currentItem()->text(0), "Quake");
    EXPECT_EQ(dialog.statusLabel()->text(), "d:\\games\\quake");
}

TEST_F(FolderPickerWindow, TheStatusLineFollowsAPathWhileItIsTyped)
{
    FolderPickerDialog dialog(home.drives, {"Source directory", "desktop", "c:\\"}, selection.handler());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_EQ(dialog.statusLabel()->text(), "c:\\");
    QLineEdit* field = dialog.pathField();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "d:\\gam");
    EXPECT_EQ(dialog.statusLabel()->text(), "Not a valid drive or path");
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    QTest::keyClicks(field, "es");
    EXPECT_EQ(dialog.statusLabel()->text(), "d:\\games");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_EQ(dialog.tree()->currentItem()->text(0), "c:") << "the tree follows once the path is taken";
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(dialog.selectedPath(), "d:\\Games");
}

TEST_F(FolderPickerWindow, AHostPathWorksAndTheTreeIsWalkedWithTheKeyboard)
{
    FolderPickerRequest request{"Directory to skip", "d:\\games", {}};
    FolderPickerDialog dialog(home.drives, request, selection.handler());
    dialog.show();
    QApplication::setActiveWindow(&dialog);

    // The tree has the focus first: Down selects the root, Right opens it,
    // Down goes to its first folder.
    QTreeWidget* tree = dialog.tree();
    EXPECT_TRUE(tree->hasFocus());
    QTest::keyClick(tree, Qt::Key_Down);
    QTest::keyClick(tree, Qt::Key_Right);
    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(dialog.selectedPath(), "d:\\games\\Quake");
    EXPECT_EQ(dialog.pathField()->text(), "d:\\games\\Quake");
    EXPECT_TRUE(dialog.okButton()->isEnabled());

    // Outside the picker's root is refused; a host path inside it is taken.
    typePath(dialog, home.host("d:\\"));
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    typePath(dialog, "\"" + home.host("d:\\games\\quake") + "\"");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.selectedPath().endsWith("\\Quake", Qt::CaseInsensitive));
}

TEST_F(FolderPickerWindow, TheServiceOpensThePickerAndCancelChoosesNothing)
{
    QtFolderPicker picker(home.drives);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<FolderPickerDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->statusLabel()->text(), "d:\\games");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(picker.pick({"Source directory", "desktop", "d:\\games"}, selection.handler()).has_value());

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<FolderPickerDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->okButton()->isEnabled());
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(picker.pick({"Source directory", "desktop", "d:\\games"}, selection.handler()), "d:\\Games");
}

TEST(IsoBinOptionDialog, CaptionsAndEveryWayOfEndingIt)
{
    IsoBinOptionDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Zavok32 - Iso/bin option");
    EXPECT_EQ(dialog.archivesOnlyOption()->text(), "&Rar/Ace(s) only");
    EXPECT_EQ(dialog.intoZipsOption()->text(), "Rar/ace then into &Zip(s)");
    EXPECT_EQ(dialog.okButton()->text(), "&OK");
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_EQ(dialog.focusWidget(), dialog.focusSink());
    EXPECT_EQ(dialog.choice(), RipIntoQuestion::Choice::Neither);

    // Alt+Z marks the option, Enter ends the dialog.
    QTest::keyClick(&dialog, Qt::Key_Z, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_EQ(dialog.choice(), RipIntoQuestion::Choice::IntoZips);
    EXPECT_EQ(dialog.focusWidget(), dialog.focusSink());
    QTest::keyClick(dialog.focusSink(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.show();
    QTest::mouseClick(dialog.archivesOnlyOption(), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << "no Cancel: Escape answers as OK does";
    EXPECT_EQ(dialog.choice(), RipIntoQuestion::Choice::ArchivesOnly);
}
