// The window tells the user why: a command that cannot do its work says so
// on the page it shows, and the keyboard's place is always to be seen.
#include "appdoubles.h"
#include "app/application.h"
#include "doubles/temphome.h"
#include "ui/listbar.h"
#include "ui/mainwindow.h"
#include "ui/noticeline.h"
#include "ui/skippage.h"
#include "ui/zippage.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Explanations : ::testing::Test {
    TempHome home;
    QuietSounds silent;
    std::unique_ptr<Application> program;

    void SetUp() override
    {
        home.addDrive('d');
        home.write("d:\\games\\readme.txt", "read me");
        Application::Options options = homeOptions(home, silent);
        program = std::make_unique<Application>(options);
        ASSERT_FALSE(program->load(QString()).has_value());
        QApplication::setActiveWindow(&window());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }

    MainWindow& window() { return program->window(); }
    template <typename T = QWidget>
    T* find(const QString& name)
    {
        T* widget = window().findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    void click(const QString& name)
    {
        auto* button = find<QPushButton>(name);
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << name.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // The notice a page shows, empty when it shows none.
    QString notice(const QString& page)
    {
        auto* line = find<NoticeLine>(page + QStringLiteral("Notice"));
        return line->isVisible() ? line->text() : QString();
    }
    // The widget drawn as it is now.
    static QImage look(QWidget* w) { return w->grab().toImage(); }
};

} // namespace

TEST_F(Explanations, EveryRefusalSaysWhyOnThePageItShows)
{
    // Zavok! with nothing to run.
    QTest::keyClick(&window(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(window().navigation().visiblePage(), PageId::Source);
    EXPECT_EQ(notice("source"), "Choose a source first");
    home.folderPicker.answers = {QString("d:\\games")};
    click("sourceBrowse");
    EXPECT_EQ(notice("source"), "") << "a source is chosen: the notice has done its work";

    // Skip > Sub-dir on the source itself.
    QTest::keyClick(&window(), Qt::Key_K, Qt::ControlModifier);
    home.folderPicker.answers = {QString("d:\\games")};
    click("skipBrowse");
    EXPECT_EQ(program->job().skipEntries(), "");
    EXPECT_EQ(notice("skip"), "The source itself cannot be skipped: choose a folder inside it");

    // Nfo > Create on a desktop with no text editor.
    home.textEditor.starts = false;
    QTest::keyClick(&window(), Qt::Key_N, Qt::ControlModifier);
    home.messages.shown.clear();
    click("nfoCreate");
    ASSERT_EQ(home.messages.shown.size(), 2) << "the hint, then why nothing opened";
    EXPECT_TRUE(home.messages.shown[1].text.contains("Install a text editor")) << home.messages.shown[1].text.toStdString();
    EXPECT_TRUE(home.messages.shown[1].text.contains("xdg-mime default"));

    // The base name's bound, and what it cut.
    QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier);
    QLineEdit* name = window().zipPage()->nameBox();
    QTest::keyClicks(name, "mygames");
    EXPECT_EQ(name->text(), "mygame");
    auto* hint = find<QLabel>("zipNameHint");
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), "Up to 6 characters at this size: two digits of the volume number follow");
}

TEST_F(Explanations, SaveGivesABareNameItsExtensionAndAsksBeforeReplacing)
{
    home.fileDialog.answers = {QString("c:\\myjob"), QString("c:\\myjob")};
    home.messages.answers = {MessageResult::Cancel};
    QTest::keyClick(&window(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(home.host("c:\\myjob.zvk")));
    EXPECT_FALSE(QFile::exists(home.host("c:\\myjob")));
    EXPECT_EQ(window().windowTitle(), "Zavok32 - myjob.zvk");
    const QByteArray first = home.read("c:\\myjob.zvk");

    program->job().setSourcePath("d:\\games");
    QTest::keyClick(&window(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_EQ(home.messages.shown[0].text, "c:\\myjob.zvk already exists.\r\nReplace it?");
    EXPECT_EQ(home.read("c:\\myjob.zvk"), first) << "Cancel keeps the file";
}

TEST_F(Explanations, TheListBarFollowsTheArrowsAndTheFocusAlwaysShows)
{
    QListWidget* main = window().listBar()->list(ListGroup::Main);
    main->setFocus(Qt::TabFocusReason);

    // The arrows show each page as a click does, and leave the focus in the bar.
    QTest::keyClick(main, Qt::Key_Down);
    EXPECT_EQ(window().navigation().visiblePage(), PageId::Skip);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(main, Qt::Key_Down);
    EXPECT_EQ(window().navigation().visiblePage(), PageId::Zip);
    EXPECT_EQ(window().navigation().title(), " Zip");
    EXPECT_TRUE(main->hasFocus());
    // Zavok! starts a run: it waits for Enter.
    QTest::keyClick(main, Qt::Key_Down);
    EXPECT_EQ(window().navigation().visiblePage(), PageId::Zip);
    EXPECT_EQ(main->currentItem()->text(), "Zavok!");
    QTest::keyClick(main, Qt::Key_Return);
    EXPECT_EQ(window().navigation().visiblePage(), PageId::Source) << "the run went to what is missing";

    // Focus looks different from no focus: the bar, the size bar, a button.
    QScrollBar* size = find<QScrollBar>("archiveSize");
    QPushButton* browse = find<QPushButton>("sourceBrowse");
    window().showPage(PageId::Source);
    main->setFocus(Qt::TabFocusReason);
    const QImage barWithFocus = look(window().listBar());
    const QImage buttonWithout = look(browse);
    browse->setFocus(Qt::TabFocusReason);
    EXPECT_NE(look(window().listBar()), barWithFocus);
    EXPECT_NE(look(browse), buttonWithout);
    window().showPage(PageId::Zip);
    const QImage sizeWithout = look(size);
    size->setFocus(Qt::TabFocusReason);
    EXPECT_NE(look(size), sizeWithout);
}
