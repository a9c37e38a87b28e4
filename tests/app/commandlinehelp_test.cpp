#include "app/commandlinehelp.h"
#include "app/displaychoice.h"

#include <QMap>
#include <QStringList>
#include <gtest/gtest.h>

TEST(CommandLineHelpTest, OnlyTheExactWordsAskForHelpOrTheVersion)
{
    EXPECT_EQ(CommandLineHelp::answer("--help"), CommandLineHelp::helpText());
    EXPECT_EQ(CommandLineHelp::answer("-h"), CommandLineHelp::helpText());
    EXPECT_EQ(CommandLineHelp::answer("--version"), CommandLineHelp::versionText());
    // Everything else names a script, as the command line always has.
    for (const char* tail : {"", "--help x", " --help", "--help ", "--HELP", "-help", "-H", "-v", "-V",
                             "!--help", "$--version", "--version2", "/home/me/-h"})
        EXPECT_FALSE(CommandLineHelp::answer(tail).has_value()) << tail;
}

TEST(CommandLineHelpTest, TheVersionIsTheProjectsAndTheHelpFitsATerminal)
{
    EXPECT_TRUE(CommandLineHelp::versionText().startsWith(QStringLiteral("zavok32 " ZAVOK32_VERSION "\n")));
    const QStringList lines = CommandLineHelp::helpText().split('\n');
    for (const QString& line : lines)
        EXPECT_LE(line.size(), 80) << line.toStdString();
    EXPECT_TRUE(CommandLineHelp::helpText().endsWith('\n'));
}

namespace {

// `answering`: the displays (X names, Wayland socket paths) that take a connection.
DisplayChoice::Plan planWith(const QString& tail, const QMap<QString, QString>& environment,
                             const QStringList& answering = {":0", "/run/user/1000/wayland-0"})
{
    const auto answers = [&](const QString& display) { return answering.contains(display); };
    return DisplayChoice::plan(tail, [&](const char* name) { return environment.value(QLatin1String(name)); },
                               {answers, answers});
}

} // namespace

TEST(DisplayChoiceTest, OnlyAnUnattendedRunGoesOnWithoutADisplay)
{
    using Plan = DisplayChoice::Plan;
    const QMap<QString, QString> none;
    EXPECT_EQ(planWith("!/jobs/game.zvk", none), Plan::Offscreen);
    EXPECT_EQ(planWith("$/jobs/game.zvk", none), Plan::Offscreen);
    EXPECT_EQ(planWith("/jobs/game.zvk", none), Plan::NoDisplay);
    EXPECT_EQ(planWith("", none), Plan::NoDisplay);
    // A quoted "!" is part of an interactive path: it stays a window's job.
    EXPECT_EQ(planWith("\"!/jobs/game.zvk\"", none), Plan::NoDisplay);

    const QMap<QString, QString> wayland{{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_RUNTIME_DIR", "/run/user/1000"}};
    for (const QMap<QString, QString>& set : {QMap<QString, QString>{{"DISPLAY", ":0"}}, wayland,
                                              QMap<QString, QString>{{"QT_QPA_PLATFORM", "xcb"}}}) {
        EXPECT_EQ(planWith("/jobs/game.zvk", set), Plan::AsConfigured) << set.firstKey().toStdString();
        EXPECT_EQ(planWith("!/jobs/game.zvk", set), Plan::AsConfigured) << set.firstKey().toStdString();
    }
    // Set but empty is not set; a display that does not answer (a session
    // that is gone, a cron job that inherited it) is none.
    EXPECT_EQ(planWith("/jobs/game.zvk", {{"DISPLAY", ""}}), Plan::NoDisplay);
    for (const QMap<QString, QString>& dead : {QMap<QString, QString>{{"DISPLAY", ":77"}}, wayland}) {
        EXPECT_EQ(planWith("/jobs/game.zvk", dead, {}), Plan::NoDisplay);
        EXPECT_EQ(planWith("!/jobs/game.zvk", dead, {}), Plan::Offscreen);
    }
    // Without a runtime folder a Wayland name leads nowhere.
    EXPECT_EQ(planWith("!/jobs/game.zvk", {{"WAYLAND_DISPLAY", "wayland-0"}}), Plan::Offscreen);
}
