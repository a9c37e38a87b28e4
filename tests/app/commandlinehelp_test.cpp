#include "app/commandlinehelp.h"
#include "app/displaychoice.h"

#include <QMap>
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

DisplayChoice::Plan planWith(const QString& tail, const QMap<QString, QString>& environment)
{
    return DisplayChoice::plan(tail, [&](const char* name) { return environment.value(QLatin1String(name)); });
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

    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const QMap<QString, QString> set{{QLatin1String(variable), QStringLiteral(":0")}};
        EXPECT_EQ(planWith("/jobs/game.zvk", set), Plan::AsConfigured) << variable;
        EXPECT_EQ(planWith("!/jobs/game.zvk", set), Plan::AsConfigured) << variable;
    }
    // Set but empty is not set.
    EXPECT_EQ(planWith("/jobs/game.zvk", {{"DISPLAY", ""}}), Plan::NoDisplay);
}
