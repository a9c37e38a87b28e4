#include "job/appstate.h"
#include "job/ripjob.h"
#include "ui/menutable.h"
#include "ui/navigation.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct NavigationFixture : ::testing::Test {
    AppState app;
    RipJob job;
    Navigation nav{app, job};
    QStringList sounds;
    QList<FocusTarget> focuses;
    int repaints = 0;
    int runs = 0;
    QList<bool> helps;
    int carets = 0;

    void SetUp() override
    {
        nav.playSound = [this](const QString& wave) { sounds << wave; };
        nav.focus = [this](FocusTarget t) { focuses << t; };
        nav.repaint = [this] { ++repaints; };
        nav.startRun = [this] { ++runs; };
        nav.openHelp = [this](bool takeFocus) { helps << takeFocus; };
        nav.zipNameCaretToEnd = [this] { ++carets; };
    }
};

} // namespace

TEST_F(NavigationFixture, StartsOnTheSourcePageWithItsItemMarked)
{
    EXPECT_EQ(nav.visiblePage(), PageId::Source);
    EXPECT_EQ(nav.checkedItem(), PageId::Source);
    EXPECT_EQ(nav.title(), " Source");
}

TEST_F(NavigationFixture, ShowPageMarksOneItemSetsTheTitleAndMovesTheFocus)
{
    nav.showPage(PageId::Skip);
    EXPECT_EQ(nav.visiblePage(), PageId::Skip);
    EXPECT_EQ(nav.checkedItem(), PageId::Skip);
    EXPECT_EQ(nav.title(), " Skip");
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(focuses, QList<FocusTarget>{FocusTarget::SkipSink});

    nav.showPage(PageId::Zip);
    EXPECT_EQ(nav.checkedItem(), PageId::Zip);
    EXPECT_EQ(focuses.last(), FocusTarget::ZipName);
    EXPECT_EQ(repaints, 1) << "only Skip repaints";

    nav.showPage(PageId::Run);
    EXPECT_EQ(nav.title(), " Zavok!");
    EXPECT_EQ(nav.checkedItem(), PageId::Run);
    EXPECT_TRUE(sounds.isEmpty()) << "the Page menu makes no sound";
}

TEST_F(NavigationFixture, ZipAlreadyMarkedIgnoresItsCommandButOtherPagesStillSwitch)
{
    nav.showPage(PageId::Zip);
    focuses.clear();
    nav.showPage(PageId::Zip);
    EXPECT_TRUE(focuses.isEmpty());
    nav.showPage(PageId::Diz);
    EXPECT_EQ(nav.visiblePage(), PageId::Diz);
    EXPECT_EQ(nav.checkedItem(), PageId::Diz);
}

TEST_F(NavigationFixture, ListBarItemOfTheShownPageOnlySetsTheTitleAgain)
{
    nav.itemClicked("Diz");
    EXPECT_EQ(sounds, QStringList{"type.wav"});
    int changes = 0;
    nav.changed = [&] { ++changes; };
    nav.itemClicked("Diz");
    EXPECT_EQ(sounds.size(), 1);
    EXPECT_EQ(nav.title(), " Diz");
    EXPECT_EQ(changes, 1);
}

TEST_F(NavigationFixture, SoundsOffMakesPageAndGroupSwitchesSilent)
{
    app.soundsEnabled = false;
    nav.itemClicked("Nfo");
    nav.groupClicked(ListGroup::Extra, ListGroup::Main);
    nav.itemClicked("About");
    EXPECT_TRUE(sounds.isEmpty());
    EXPECT_EQ(nav.visiblePage(), PageId::About);
}

TEST_F(NavigationFixture, GroupClickWhooshesOnlyForAnotherGroup)
{
    nav.groupClicked(ListGroup::Main, ListGroup::Main);
    EXPECT_TRUE(sounds.isEmpty());
    nav.groupClicked(ListGroup::Extra, ListGroup::Main);
    EXPECT_EQ(sounds, QStringList{"whoosh.wav"});
}

TEST_F(NavigationFixture, HelpLeavesTitleAndPageAndOpensHelpWithFocus)
{
    nav.showPage(PageId::Nfo);
    nav.itemClicked("Help");
    EXPECT_EQ(nav.visiblePage(), PageId::Nfo);
    EXPECT_EQ(nav.title(), " Nfo");
    EXPECT_EQ(helps, QList<bool>{true});
}

TEST_F(NavigationFixture, AboutFromTheListBarKeepsTheCheckMark)
{
    nav.showPage(PageId::Diz);
    nav.itemClicked("About");
    EXPECT_EQ(nav.visiblePage(), PageId::About);
    EXPECT_EQ(nav.title(), " About");
    EXPECT_EQ(nav.checkedItem(), PageId::Diz);
    sounds.clear();
    nav.itemClicked("About");
    EXPECT_TRUE(sounds.isEmpty());
}

TEST_F(NavigationFixture, ZavokStartsTheRunUnlessTheRunPageShows)
{
    nav.itemClicked("Zavok!");
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(sounds, QStringList{"type.wav"});
    nav.showPage(PageId::Run); // as the run does
    nav.itemClicked("Zavok!");
    EXPECT_EQ(runs, 1);
}

TEST_F(NavigationFixture, ZipFromTheListBarPutsTheCaretAfterAName)
{
    nav.itemClicked("Zip");
    EXPECT_EQ(carets, 0);
    nav.itemClicked("Source");
    job.setZipBaseName("game");
    nav.itemClicked("Zip");
    EXPECT_EQ(carets, 1);
}

TEST(MenuTable, ItemsShortcutsAndOrder)
{
    QStringList lines;
    const std::function<void(const QList<MenuItemSpec>&, const QString&)> walk =
        [&](const QList<MenuItemSpec>& items, const QString& indent) {
            for (const MenuItemSpec& item : items) {
                lines << indent + (item.isSeparator() ? "-" : item.text + (item.shortcut.isEmpty() ? "" : " " + item.shortcut));
                walk(item.submenu, indent + "  ");
            }
        };
    for (const MenuSpec& menu : MenuTable::menus()) {
        lines << menu.title;
        walk(menu.items, "  ");
    }
    const QStringList expected{
        "&File", "  &Open zvk script... Ctrl+O", "  S&ave zvk script... Ctrl+V", "  Chec&k a set...", "  -", "  Page",
        "    Source Ctrl+S", "    Skip Ctrl+K", "    Diz Ctrl+D", "    Nfo Ctrl+N", "    Zip Ctrl+Z", "    -",
        "    Zavok Ctrl+R", "  -", "  E&xit Ctrl+X",
        "&Options", "  Soun&ds", "  &Drives...", "  Clean &up...", "  -", "  &Verify after packing", "  &Checksum files", "  &Recovery files...", "  -",
        "  Use &zip comment", "  &Open zip comment...", "  &View zip comment...",
        "&Help", "  &Contents... Ctrl+H", "  &Index... Ctrl+I", "  -", "  &Web page... Ctrl+W", "  &Email... Ctrl+E",
        "  -", "  &About... Ctrl+A"};
    EXPECT_EQ(lines, expected);
}
