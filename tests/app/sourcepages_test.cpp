#include "appdoubles.h"
#include "app/application.h"
#include "doubles/temphome.h"
#include "ui/isobinoptiondialog.h"
#include "ui/listbar.h"
#include "ui/mainwindow.h"
#include "ui/pathpanel.h"
#include "ui/skippage.h"
#include "ui/sourcepage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The program with every dialog answered by a double, except the Iso/bin
// question when a test wants the real one.
struct SourcePages : ::testing::Test {
    TempHome home;
    QuietSounds sounds;
    FakeRipIntoQuestion question;
    std::unique_ptr<Application> program;

    void SetUp() override
    {
        home.addDrive('d');
        home.write("d:\\Games\\quake\\pak0.pak", QByteArray(2500000, 'p'));
        home.write("d:\\Games\\readme.txt", "read me");
        QDir(home.host("d:\\games")).mkpath("extras");
    }
    void start(bool realQuestion = false)
    {
        Application::Options options = homeOptions(home, sounds);
        if (!realQuestion)
            options.ripInto = &question;
        program = std::make_unique<Application>(options);
        ASSERT_FALSE(program->load(QString()).has_value());
        QApplication::setActiveWindow(&program->window());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program->window()));
    }

    MainWindow& window() { return program->window(); }
    template <typename T = QWidget>
    T* find(const char* name)
    {
        T* widget = window().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(QAbstractButton* button)
    {
        ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(&window(), Qt::Key(key), modifiers);
    }
    QString label(const char* name) { return find<QLabel>(name)->text(); }
    bool skipItemShown() { return window().listBar()->item("Skip") != nullptr; }
};

} // namespace

TEST_F(SourcePages, BrowseChoosesAFolderAndEveryPageShowsItsSize)
{
    start();
    home.folderPicker.selections = {"d:\\Games"};
    home.folderPicker.answers = {QString("d:\\Games")};
    click(find<QPushButton>("sourceBrowse"));

    EXPECT_EQ(program->job().sourcePath(), "d:\\games");
    EXPECT_EQ(find<PathPanel>("sourcePathPanel")->text(), "d:\\games");
    EXPECT_EQ(label("sourceSize"), "2,500,007 Total bytes");
    EXPECT_EQ(label("estimateCaption"), "1.67 files");
    EXPECT_EQ(home.folderPicker.requests.size(), 1);
    EXPECT_EQ(home.folderPicker.feedbacks.value(0).status, "d:\\games");
    EXPECT_TRUE(find<QPushButton>("sourceBrowse")->isEnabled());
    EXPECT_TRUE(window().listBar()->isEnabled());
    EXPECT_EQ(window().cursor().shape(), Qt::ArrowCursor);

    // Alt+R is the same Browse; a Cancel keeps the source.
    find<QPushButton>("sourceBrowse")->setFocus();
    press(Qt::Key_R, Qt::AltModifier);
    QTest::qWait(300); // a mnemonic presses its button visibly first
    EXPECT_EQ(home.folderPicker.requests.size(), 2);
    EXPECT_EQ(home.folderPicker.requests[1].initialSelection, "d:\\games");
    EXPECT_EQ(program->job().sourcePath(), "d:\\games");
}

TEST_F(SourcePages, TheImageSwitchTakesTheSkipPageOutOfTheBarAndTheMenu)
{
    start();
    QAction* skipEntry = window().action(MenuCommand::PageSkip);
    QCheckBox* box = find<QCheckBox>("imageMode");
    click(box);
    EXPECT_TRUE(program->job().imageMode());
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(skipItemShown());
    EXPECT_FALSE(skipEntry->isEnabled());
    EXPECT_EQ(label("sizeCaption"), "5. M");
    press(Qt::Key_K);
    EXPECT_EQ(window().navigation().visiblePage(), PageId::Source) << "Ctrl+K is off with the entry";
    EXPECT_FALSE(find<QPushButton>("skipBrowse")->isEnabled());

    // A job change elsewhere keeps the tick.
    program->job().setZipBaseName("game");
    EXPECT_TRUE(box->isChecked());

    // Alt+I clears it as a click does.
    press(Qt::Key_I, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_FALSE(program->job().imageMode());
    ASSERT_TRUE(skipItemShown());
    QListWidget* main = window().listBar()->list(ListGroup::Main);
    EXPECT_EQ(main->item(1)->text(), "Skip");
    EXPECT_EQ(main->count(), 6);
    EXPECT_FALSE(main->item(1)->icon().isNull());
    EXPECT_TRUE(skipEntry->isEnabled());
    EXPECT_EQ(label("sizeCaption"), "1.44 M");
    press(Qt::Key_K);
    EXPECT_EQ(window().navigation().visiblePage(), PageId::Skip);
    EXPECT_TRUE(find<QPushButton>("skipBrowse")->isEnabled());
}

TEST_F(SourcePages, AnImageIsAskedTheRealQuestionWithTheWindowDisabled)
{
    start(true);
    home.write("d:\\cd\\game.iso", QByteArray(7500000, 'i'));
    home.write("d:\\zips\\x", "");
    program->job().setZipDirectory("d:\\zips");
    click(find<QCheckBox>("imageMode"));

    struct Seen {
        bool windowEnabled = true;
        QString title, question;
        bool neitherChecked = false;
        bool sinkHadFocus = false;
    } seen;
    const auto answer = [&](const char* option) {
        QTimer::singleShot(0, [&, option] {
            IsoBinOptionDialog* dialog = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<IsoBinOptionDialog*>(w); d && d->isVisible())
                    dialog = d;
            ASSERT_NE(dialog, nullptr);
            seen.windowEnabled = window().isEnabled();
            seen.title = dialog->windowTitle();
            seen.question = dialog->findChild<QLabel*>("isoBinQuestion")->text();
            seen.neitherChecked = !dialog->archivesOnlyOption()->isChecked() && !dialog->intoZipsOption()->isChecked();
            if (option) {
                QRadioButton* button = dialog->findChild<QRadioButton*>(option);
                ASSERT_TRUE(button->isEnabled());
                QTest::mouseClick(button, Qt::LeftButton);
                seen.sinkHadFocus = dialog->focusWidget() == dialog->focusSink();
                QTest::keyClick(dialog, Qt::Key_Return);
            } else {
                dialog->close();
            }
        });
    };

    home.fileDialog.answers = {QString("d:\\cd\\game.iso")};
    answer("isoBinIntoZips");
    click(find<QPushButton>("sourceBrowse"));
    EXPECT_FALSE(seen.windowEnabled);
    EXPECT_EQ(seen.title, "Zavok32 - Iso/bin option");
    EXPECT_EQ(seen.question, "Rip into?");
    EXPECT_TRUE(seen.neitherChecked);
    EXPECT_TRUE(seen.sinkHadFocus);
    EXPECT_TRUE(window().isEnabled());
    EXPECT_FALSE(program->job().archivesOnly());
    EXPECT_EQ(program->job().sourcePath(), "d:\\cd\\game.iso");
    EXPECT_EQ(label("sourceSize"), "7,500,000 Total bytes");
    EXPECT_EQ(label("estimateCaption"), "1.50 files");
    EXPECT_EQ(program->job().zipDirectory(), "d:\\zips");

    // The close box answers as "&OK" does: archives only, with nothing chosen.
    home.fileDialog.answers = {QString("d:\\cd\\game.iso")};
    answer(nullptr);
    click(find<QPushButton>("sourceBrowse"));
    EXPECT_TRUE(window().isEnabled());
    EXPECT_TRUE(program->job().archivesOnly());
    EXPECT_TRUE(program->job().zipDirectory().isEmpty());
    EXPECT_FALSE(program->view().zip.zipCompressionEnabled);
    EXPECT_FALSE(program->view().diz.separatorShown);
}

TEST_F(SourcePages, TheWorkDriveChosenInTheListIsRememberedAtExit)
{
    home.addDrive('e');
    QDir(home.host("e:\\")).removeRecursively(); // no medium
    start();
    QComboBox* list = find<QComboBox>("workDriveList");
    EXPECT_EQ(list->currentText(), "c: drive_c");
    ASSERT_GE(list->findText("d: drive_d"), 0);
    EXPECT_TRUE(label("freeSpace").startsWith("Free space on\n"));

    // With the keyboard alone: the arrow moves to the next drive.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentText(), "d: drive_d");
    EXPECT_EQ(program->job().workDrive(), QLatin1Char('d'));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentText(), "c: drive_c") << "a drive without a medium gives way to c";
    EXPECT_EQ(program->job().workDrive(), QLatin1Char('c'));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentText(), "d: drive_d");

    window().close();
    QFile ini(program->appDirHost() + "/drive1.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("d:\r\n"));
}

TEST_F(SourcePages, TheSkipPageAddsASubDirectoryAFileAndClears)
{
    start();
    home.folderPicker.answers = {QString("d:\\Games"), QString("d:\\Games\\extras")};
    click(find<QPushButton>("sourceBrowse"));
    press(Qt::Key_K);
    ASSERT_EQ(window().navigation().visiblePage(), PageId::Skip);
    SkipPage* page = window().skipPage();
    EXPECT_TRUE(page->subDirOption()->isChecked());

    click(page->browseButton());
    EXPECT_EQ(program->job().skipEntries(), "extras\\*.*\r\n");
    EXPECT_EQ(home.folderPicker.requests.last().title, "Directory to skip");
    EXPECT_EQ(home.folderPicker.requests.last().root, "d:\\games");

    click(page->fileOption());
    home.fileDialog.answers = {QString("d:\\Games\\README.TXT")};
    click(page->browseButton());
    EXPECT_EQ(find<QPlainTextEdit>("skipEntries")->toPlainText(), "extras\\*.*\nreadme.txt");
    EXPECT_EQ(home.fileDialog.requests.last().title, "Add skip file");

    click(page->clearButton());
    EXPECT_TRUE(program->job().skipEntries().isEmpty());
    EXPECT_TRUE(find<QPlainTextEdit>("skipEntries")->toPlainText().isEmpty());
    EXPECT_TRUE(page->focusSink()->hasFocus());

    // Back to sub-directories with the keyboard.
    page->fileOption()->setFocus();
    QTest::keyClick(page->fileOption(), Qt::Key_Up);
    EXPECT_TRUE(page->subDirOption()->isChecked());
    home.folderPicker.answers = {QString("d:\\Games\\extras")};
    click(page->browseButton());
    EXPECT_EQ(program->job().skipEntries(), "extras\\*.*\r\n");
}

TEST_F(SourcePages, TabVisitsOnlyControlsThatShow)
{
    start();
    for (PageId page : {PageId::Source, PageId::Skip}) {
        window().showPage(page);
        window().page(page)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QStringList visited;
        for (int i = 0; i < 12; ++i) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            EXPECT_TRUE(focus->isVisible() && focus->width() > 0 && focus->height() > 0)
                << focus->objectName().toStdString() << " takes the focus but cannot be seen";
            visited << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        if (page == PageId::Source) {
            EXPECT_TRUE(visited.contains("sourceBrowse"));
            EXPECT_TRUE(visited.contains("imageMode"));
            EXPECT_TRUE(visited.contains("workDriveList"));
        } else {
            EXPECT_TRUE(visited.contains("skipSubDir"));
            EXPECT_TRUE(visited.contains("skipBrowse"));
            EXPECT_TRUE(visited.contains("skipClear"));
        }
    }
}

TEST_F(SourcePages, TheListBarFollowsThePageHoweverItIsShown)
{
    start();
    QListWidget* main = window().listBar()->list(ListGroup::Main);
    EXPECT_EQ(main->currentItem()->text(), "Source");
    press(Qt::Key_D);
    EXPECT_EQ(main->currentItem()->text(), "Diz");
    window().action(MenuCommand::PageSkip)->trigger();
    EXPECT_EQ(main->currentItem()->text(), "Skip");

    window().navigation().itemClicked("About");
    EXPECT_EQ(window().listBar()->currentGroup(), ListGroup::Extra);
    sounds.played.clear();
    press(Qt::Key_N);
    EXPECT_EQ(window().listBar()->currentGroup(), ListGroup::Main);
    EXPECT_EQ(main->currentItem()->text(), "Nfo");
    EXPECT_FALSE(sounds.played.contains("whoosh.wav")) << "a page switch is not a group click";

    // Enter on a highlighted item opens its page.
    main->setFocus();
    main->setCurrentItem(main->item(0));
    QTest::keyClick(main, Qt::Key_Return);
    EXPECT_EQ(window().navigation().visiblePage(), PageId::Source);
}

TEST_F(SourcePages, AnImageJobSavedAsAScriptOpensAsAnImageJob)
{
    start();
    home.write("d:\\cd\\game.bin", QByteArray(6000000, 'b'));
    home.write("d:\\cd\\game.cue", "FILE \"game.bin\" BINARY\r\n");
    home.write("d:\\game.zvk", "Zavok32 script - 12-07-1999  13:45:09\r\nSource: d:\\cd\\game.bin\r\nSkip: \r\n\r\n"
                               "Diz: \r\nAutoN: False\r\nCol: \r\nLin: \r\nNfo: \r\n 1st: 0\r\n File:False\r\n"
                               " Extra:\r\nZip: \r\n name:game\r\n Size: 12\r\n Solid: 3\r\n Extra: 3\r\n\r\n");
    home.fileDialog.answers = {QString("d:\\game.zvk")};
    window().setFocus();
    press(Qt::Key_O);

    EXPECT_TRUE(find<QCheckBox>("imageMode")->isChecked());
    EXPECT_EQ(find<PathPanel>("sourcePathPanel")->text(), "d:\\cd\\game.bin");
    EXPECT_EQ(program->job().cuePath(), "d:\\cd\\game.cue");
    EXPECT_EQ(program->job().archiveSizeStep(), 12);
    EXPECT_EQ(label("sourceSize"), "6,000,000 Total bytes");
    EXPECT_FALSE(skipItemShown());
}

TEST_F(SourcePages, TheRememberedDriveIsSelectedInTheListAtStart)
{
    QFile ini(home.home() + "/Drive1.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("D:,label\r\n");
    ini.close();
    start();
    EXPECT_EQ(find<QComboBox>("workDriveList")->currentText(), "d: drive_d");
    EXPECT_EQ(program->job().workDrive(), QLatin1Char('d'));
    EXPECT_TRUE(home.messages.shown.isEmpty());
}
