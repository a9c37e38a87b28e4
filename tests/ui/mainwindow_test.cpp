#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/viewstate.h"
#include "doubles/temphome.h"
#include "platform/soundplayer.h"
#include "ui/aboutpage.h"
#include "ui/aboutwindow.h"
#include "ui/helpwindow.h"
#include "ui/listbar.h"
#include "ui/mainwindow.h"
#include "ui/runpage.h"
#include "ui/zippage.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class RecordingSounds : public SoundPlayer
{
public:
    QStringList played;
    QList<bool> waits;
    void play(const QString& waveName, bool waitUntilDone) override
    {
        played << waveName;
        waits << waitUntilDone;
    }
};

// Records the URLs the desktop is asked to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QStringList urls;
public slots:
    void open(const QUrl& url) { urls << url.toString(); }
};

struct WindowFixture : ::testing::Test {
    TempHome home;
    RipJob job;
    ViewState view;
    AppState app;
    RecordingSounds sounds;
    std::unique_ptr<MainWindow> window;
    int shutdowns = 0;

    void SetUp() override
    {
        home.services.sounds = &sounds;
        window = std::make_unique<MainWindow>(job, view, app, home.services);
        home.services.shell = window.get();
        window->onShutdown = [this] { ++shutdowns; };
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        if (window->helpWindow())
            window->helpWindow()->close();
    }

    QList<PageId> checked() const
    {
        QList<PageId> marks;
        const QList<std::pair<MenuCommand, PageId>> items{
            {MenuCommand::PageSource, PageId::Source}, {MenuCommand::PageSkip, PageId::Skip},
            {MenuCommand::PageDiz, PageId::Diz}, {MenuCommand::PageNfo, PageId::Nfo},
            {MenuCommand::PageZip, PageId::Zip}, {MenuCommand::PageRun, PageId::Run}};
        for (const auto& [command, page] : items) {
            if (window->action(command)->isChecked())
                marks << page;
        }
        return marks;
    }
    bool showing(PageId page) const { return window->page(page)->isVisible(); }
    void clickItem(const QString& text)
    {
        QListWidgetItem* item = window->listBar()->item(text);
        QListWidget* list = item->listWidget();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }
    void press(int key)
    {
        window->setFocus();
        QTest::keyClick(window.get(), Qt::Key(key), Qt::ControlModifier);
    }
};

} // namespace

TEST_F(WindowFixture, EveryMenuItemHasItsShortcut)
{
    const QList<std::pair<MenuCommand, QString>> expected{
        {MenuCommand::OpenScript, "Ctrl+O"}, {MenuCommand::SaveScript, "Ctrl+V"}, {MenuCommand::PageSource, "Ctrl+S"},
        {MenuCommand::PageSkip, "Ctrl+K"}, {MenuCommand::PageDiz, "Ctrl+D"}, {MenuCommand::PageNfo, "Ctrl+N"},
        {MenuCommand::PageZip, "Ctrl+Z"}, {MenuCommand::PageRun, "Ctrl+R"}, {MenuCommand::Exit, "Ctrl+X"},
        {MenuCommand::Sounds, ""}, {MenuCommand::UseZipComment, ""}, {MenuCommand::OpenZipComment, ""},
        {MenuCommand::ViewZipComment, ""}, {MenuCommand::HelpContents, "Ctrl+H"}, {MenuCommand::HelpIndex, "Ctrl+I"},
        {MenuCommand::WebPage, "Ctrl+W"}, {MenuCommand::Email, "Ctrl+E"}, {MenuCommand::About, "Ctrl+A"}};
    for (const auto& [command, keys] : expected) {
        QAction* action = window->action(command);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText), keys) << action->text().toStdString();
    }
    EXPECT_EQ(window->pageMenu()->title(), "Page");
    EXPECT_EQ(checked(), QList<PageId>{PageId::Source});
    EXPECT_TRUE(window->action(MenuCommand::Sounds)->isChecked());
}

TEST_F(WindowFixture, PageShortcutsSwitchPagesAndMoveTheCheckMark)
{
    const QList<std::pair<int, PageId>> keys{{Qt::Key_K, PageId::Skip}, {Qt::Key_D, PageId::Diz},
                                             {Qt::Key_N, PageId::Nfo}, {Qt::Key_Z, PageId::Zip},
                                             {Qt::Key_S, PageId::Source}};
    for (const auto& [key, page] : keys) {
        press(key);
        EXPECT_TRUE(showing(page));
        EXPECT_EQ(checked(), QList<PageId>{page});
        EXPECT_EQ(window->titlePanel()->text(), Navigation::titleText(page));
    }
    press(Qt::Key_Z);
    EXPECT_TRUE(window->zipPage()->nameBox()->hasFocus());
    // Ctrl+Z typed in the name box is the box's own undo; from elsewhere it is the page again.
    press(Qt::Key_D);
    EXPECT_EQ(checked(), QList<PageId>{PageId::Diz});
    EXPECT_TRUE(sounds.played.isEmpty());
}

TEST_F(WindowFixture, ZavokShortcutStartsTheRun)
{
    int runs = 0;
    window->runJob = [&] {
        ++runs;
        window->showPage(PageId::Run);
    };
    press(Qt::Key_R);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(showing(PageId::Run));
    EXPECT_EQ(checked(), QList<PageId>{PageId::Run});
    EXPECT_EQ(window->titlePanel()->text(), " Zavok!");
}

TEST_F(WindowFixture, ListBarSwitchesPagesWithSoundsAndGroupsWhoosh)
{
    clickItem("Nfo");
    EXPECT_TRUE(showing(PageId::Nfo));
    EXPECT_EQ(checked(), QList<PageId>{PageId::Nfo});
    EXPECT_EQ(sounds.played, QStringList{"type.wav"});
    clickItem("Nfo");
    EXPECT_EQ(sounds.played.size(), 1);

    QTest::mouseClick(window->listBar()->groupButton(ListGroup::Extra), Qt::LeftButton);
    EXPECT_EQ(window->listBar()->currentGroup(), ListGroup::Extra);
    EXPECT_EQ(sounds.played.last(), "whoosh.wav");
    QTest::qWait(400); // the group's page slides in
    clickItem("About");
    EXPECT_TRUE(showing(PageId::About));
    EXPECT_EQ(window->titlePanel()->text(), " About");
    EXPECT_EQ(checked(), QList<PageId>{PageId::Nfo});

    clickItem("Help");
    EXPECT_TRUE(window->helpWindow()->isVisible());
    EXPECT_EQ(window->titlePanel()->text(), " About");
}

TEST_F(WindowFixture, SoundsMenuTogglesTheSwitchAndSilencesTheListBar)
{
    window->toggleSounds = [&] { app.soundsEnabled = !app.soundsEnabled; };
    window->action(MenuCommand::Sounds)->trigger();
    EXPECT_FALSE(window->action(MenuCommand::Sounds)->isChecked());
    clickItem("Skip");
    EXPECT_TRUE(showing(PageId::Skip));
    EXPECT_TRUE(sounds.played.isEmpty());
}

TEST_F(WindowFixture, RightClickOnAPageShowsThePageMenu)
{
    press(Qt::Key_D);
    QWidget* page = window->page(PageId::Diz);
    bool popped = false;
    QTimer::singleShot(0, [&] {
        QMenu* menu = window->pageMenu();
        popped = menu->isVisible();
        for (QAction* action : menu->actions()) {
            if (action->text() == "Nfo")
                action->trigger();
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, page->height() - 5),
                            page->mapToGlobal(QPoint(5, page->height() - 5)));
    QApplication::sendEvent(page, &event);
    QTest::qWait(50);
    EXPECT_TRUE(popped);
    EXPECT_TRUE(showing(PageId::Nfo));
    EXPECT_EQ(checked(), QList<PageId>{PageId::Nfo});
}

TEST_F(WindowFixture, HelpKeysOpenContentsAndIndex)
{
    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_TRUE(window->helpWindow()->isVisible());
    EXPECT_TRUE(window->helpWindow()->browser()->toPlainText().contains("Zavok32 Help"));
    window->helpWindow()->close();

    press(Qt::Key_I);
    HelpWindow* help = window->helpWindow();
    ASSERT_TRUE(help->isVisible());
    EXPECT_EQ(help->tabs()->currentIndex(), 1);
    QTest::keyClicks(help->searchBox(), "unattended");
    ASSERT_GT(help->indexList()->count(), 0);
    EXPECT_EQ(help->indexList()->item(0)->text(), "Running unattended");
    QTest::keyClick(help->searchBox(), Qt::Key_Return);
    EXPECT_EQ(help->tabs()->currentIndex(), 0);
    EXPECT_TRUE(help->browser()->source().toString().contains("scripts.html#unattended"));

    press(Qt::Key_H);
    EXPECT_EQ(help->tabs()->currentIndex(), 0);
}

TEST_F(WindowFixture, AboutWindowShowsTheVersionWhileThunderPlays)
{
    bool shownDuringSound = false;
    QString version;
    window->runJob = nullptr;
    struct : SoundPlayer {
        std::function<void()> during;
        QStringList played;
        void play(const QString& wave, bool wait) override
        {
            played << wave + (wait ? " wait" : "");
            if (during)
                during();
        }
    } thunder;
    thunder.during = [&] {
        auto* about = window->findChild<AboutWindow*>();
        shownDuringSound = about && about->isVisible();
        if (about)
            version = about->versionPanel()->text();
    };
    home.services.sounds = &thunder;
    app.soundsEnabled = false; // it plays all the same
    press(Qt::Key_A);
    EXPECT_EQ(thunder.played, QStringList{"thunder.wav wait"});
    EXPECT_TRUE(shownDuringSound);
    EXPECT_EQ(version, "v3.67");
    QTest::qWait(10);
    auto* left = window->findChild<AboutWindow*>();
    EXPECT_TRUE(left == nullptr || !left->isVisible());

    // The signature panel on the About page opens it too, with the left button.
    thunder.played.clear();
    QTest::mouseClick(window->aboutPage()->signaturePanel(), Qt::RightButton);
    EXPECT_TRUE(thunder.played.isEmpty());
    QTest::mouseClick(window->aboutPage()->signaturePanel(), Qt::LeftButton);
    EXPECT_EQ(thunder.played, QStringList{"thunder.wav wait"});
}

TEST_F(WindowFixture, WebAndEmailGoToTheDesktop)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    press(Qt::Key_W);
    press(Qt::Key_E);
    QTest::mouseClick(window->aboutPage()->webPanel(), Qt::LeftButton);
    QTest::mouseClick(window->aboutPage()->emailPanel(), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("mailto");
    ASSERT_EQ(catcher.urls.size(), 4);
    EXPECT_TRUE(catcher.urls[0].startsWith("https://"));
    EXPECT_TRUE(catcher.urls[1].startsWith("mailto:"));
    EXPECT_EQ(catcher.urls[2], catcher.urls[0]);
    EXPECT_EQ(catcher.urls[3], catcher.urls[1]);
}

TEST_F(WindowFixture, ScriptAndCommentCommandsReachTheirHooks)
{
    QStringList calls;
    window->openScript = [&] { calls << "open"; };
    window->saveScript = [&] { calls << "save"; };
    window->toggleZipComment = [&] { calls << "use"; };
    window->openZipComment = [&] { calls << "openComment"; };
    window->viewZipComment = [&] { calls << "view"; };
    press(Qt::Key_O);
    press(Qt::Key_V);
    window->action(MenuCommand::UseZipComment)->trigger();
    window->action(MenuCommand::OpenZipComment)->trigger();
    window->action(MenuCommand::ViewZipComment)->trigger();
    EXPECT_EQ(calls, (QStringList{"open", "save", "use", "openComment", "view"}));
    job.setUseZipComment(true);
    EXPECT_TRUE(window->action(MenuCommand::UseZipComment)->isChecked());
}

TEST_F(WindowFixture, ExitStopsTheZipComponentAndShutsDownOnce)
{
    press(Qt::Key_X);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(shutdowns, 1);
    window->close();
    EXPECT_EQ(shutdowns, 1);
}

TEST_F(WindowFixture, PagesShowTheJobAndWriteEditsBack)
{
    job.setSourcePath("d:\\games\\quake");
    job.setZipBaseName("quake");
    job.setDizColumn("12");
    view.run.status = "quake.rar";
    view.run.progress = 40;
    view.window.caption = "Zavok32 - quake.zvk";
    view.notify();
    EXPECT_EQ(window->windowTitle(), "Zavok32 - quake.zvk");
    EXPECT_EQ(window->findChild<QWidget*>("sourcePathPanel")->toolTip(), "d:\\games\\quake");
    EXPECT_EQ(window->zipPage()->nameBox()->text(), "quake");

    press(Qt::Key_Z);
    window->zipPage()->nameBox()->clear();
    QTest::keyClicks(window->zipPage()->nameBox(), "doom2longname");
    EXPECT_EQ(job.zipBaseName(), "doom2l") << "the box holds the name bound";

    window->showPage(PageId::Run);
    EXPECT_EQ(window->findChild<QLabel*>("runStatus")->text(), "quake.rar");
    EXPECT_EQ(window->runPage()->progressBar()->value(), 40);
    int aborts = 0;
    window->abortRun = [&] { ++aborts; };
    QTest::mouseClick(window->runPage()->abortButton(), Qt::LeftButton);
    EXPECT_EQ(aborts, 1);

    view.window.listBarEnabled = false;
    view.notify();
    EXPECT_FALSE(window->listBar()->isEnabled());
}

#include "mainwindow_test.moc"
