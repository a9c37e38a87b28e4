#include "appdoubles.h"
#include "app/application.h"
#include "app/driveswiring.h"
#include "doubles/temphome.h"
#include "ui/drivesdialog.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// The program in-process; Options > Drives opens the real dialog and every
// check goes through its widgets.
struct DrivesDialogTest : ::testing::Test {
    TempHome home;
    QuietSounds sounds;
    FakeRipIntoQuestion question;
    std::unique_ptr<Application> program;
    QString games;

    void SetUp() override
    {
        games = QFileInfo(home.dir.path()).canonicalFilePath() + "/Games";
        QDir().mkpath(games);
        Application::Options options = homeOptions(home, sounds);
        options.ripInto = &question;
        program = std::make_unique<Application>(options);
        ASSERT_FALSE(program->load(QString()).has_value());
        QApplication::setActiveWindow(&program->window());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program->window()));
    }

    DrivesDialog* openFromTheMenu()
    {
        QAction* drives = nullptr;
        for (QAction* action : program->window().menuBar()->findChildren<QAction*>()) {
            if (action->text() == "&Drives...")
                drives = action;
        }
        EXPECT_NE(drives, nullptr);
        if (!drives)
            return nullptr;
        EXPECT_TRUE(drives->isEnabled());
        drives->trigger();
        DrivesDialog* dialog = program->drivesWiring().dialog();
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        }
        return dialog;
    }
    template <typename T>
    T* in(DrivesDialog* dialog, const char* name)
    {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(DrivesDialog* dialog, const char* name)
    {
        auto* button = in<QPushButton>(dialog, name);
        ASSERT_TRUE(button->isEnabled()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QStringList column(DrivesDialog* dialog, int c)
    {
        QStringList texts;
        auto* table = in<QTreeWidget>(dialog, "driveTable");
        for (int i = 0; i < table->topLevelItemCount(); ++i)
            texts << table->topLevelItem(i)->text(c);
        return texts;
    }
    QStringList driveList()
    {
        auto* list = program->window().findChild<QComboBox*>("workDriveList");
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }
};

} // namespace

TEST_F(DrivesDialogTest, AFolderTypedOrPickedBecomesADriveInEveryList)
{
    DrivesDialog* dialog = openFromTheMenu();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(column(dialog, 0), (QStringList{"c:", "z:"}));
    EXPECT_EQ(column(dialog, 2).value(0), home.home() + "/drive_c");
    EXPECT_TRUE(column(dialog, 3).value(0).endsWith("MB free"));
    EXPECT_EQ(in<QComboBox>(dialog, "driveLetter")->currentText(), "d:");
    EXPECT_FALSE(in<QPushButton>(dialog, "driveAdd")->isEnabled());

    // Typed: d: on the games folder.
    QTest::keyClicks(in<QLineEdit>(dialog, "driveFolder"), games);
    click(dialog, "driveAdd");
    EXPECT_EQ(*home.map.driveRoot('d'), games);
    EXPECT_EQ(column(dialog, 0), (QStringList{"c:", "d:", "z:"}));
    EXPECT_TRUE(driveList().contains("d: Games")) << driveList().join(',').toStdString();

    // Picked with the folder dialog: e: on a second folder.
    const QString music = QFileInfo(home.dir.path()).canonicalFilePath() + "/Music";
    QDir().mkpath(music);
    dialog->pickFolder = [&](const QString&) { return music; };
    auto* letter = in<QComboBox>(dialog, "driveLetter");
    letter->setFocus();
    QTest::keyClick(letter, Qt::Key_Down); // d: -> e:
    EXPECT_EQ(letter->currentText(), "e:");
    click(dialog, "driveFolderBrowse");
    EXPECT_EQ(in<QLineEdit>(dialog, "driveFolder")->text(), music);
    click(dialog, "driveAdd");
    EXPECT_EQ(*home.map.driveRoot('e'), music);
    EXPECT_TRUE(driveList().contains("e: Music"));
}

TEST_F(DrivesDialogTest, ChangeAndRemoveWriteTheLinksAtOnceAndCStays)
{
    home.map.mapDrive('d', games);
    DrivesDialog* dialog = openFromTheMenu();
    ASSERT_NE(dialog, nullptr);
    auto* table = in<QTreeWidget>(dialog, "driveTable");

    table->setCurrentItem(table->topLevelItem(1));
    EXPECT_EQ(in<QLineEdit>(dialog, "driveFolder")->text(), games);
    EXPECT_FALSE(in<QPushButton>(dialog, "driveChange")->isEnabled());
    const QString music = QFileInfo(home.dir.path()).canonicalFilePath() + "/Music";
    QDir().mkpath(music);
    auto* folder = in<QLineEdit>(dialog, "driveFolder");
    folder->selectAll();
    QTest::keyClicks(folder, music);
    click(dialog, "driveChange");
    EXPECT_EQ(*home.map.driveRoot('d'), music);
    EXPECT_TRUE(driveList().contains("d: Music"));

    table->setCurrentItem(table->topLevelItem(0));
    EXPECT_FALSE(in<QPushButton>(dialog, "driveRemove")->isEnabled()) << "c: cannot be removed";
    EXPECT_FALSE(in<QLabel>(dialog, "driveStatus")->text().isEmpty());

    table->setCurrentItem(table->topLevelItem(2)); // z:
    click(dialog, "driveRemove");
    EXPECT_FALSE(home.map.letters().contains('z'));
    EXPECT_EQ(column(dialog, 0), (QStringList{"c:", "d:"}));
    EXPECT_EQ(driveList().size(), 2);

    // Closing and opening again shows the links as they now are.
    click(dialog, "drivesClose");
    QTRY_VERIFY(!program->drivesWiring().dialog());
    dialog = openFromTheMenu();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(column(dialog, 0), (QStringList{"c:", "d:"}));
    EXPECT_EQ(column(dialog, 2).value(1), music);
}

TEST_F(DrivesDialogTest, ADriveWithoutItsMediumIsShownSo)
{
    const QString stick = QFileInfo(home.dir.path()).canonicalFilePath() + "/Stick";
    QDir().mkpath(stick);
    home.map.mapDrive('f', stick);
    QDir(stick).removeRecursively();
    DrivesDialog* dialog = openFromTheMenu();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(column(dialog, 0), (QStringList{"c:", "f:", "z:"}));
    EXPECT_EQ(column(dialog, 3).value(1), "no medium");
    EXPECT_EQ(column(dialog, 2).value(1), stick);
}
