#include "app/commandlinehelp.h"
#include "app/commandlineoptions.h"
#include "app/displaychoice.h"

#include <QMap>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

using Answer = LaunchRequest::Answer;

LaunchRequest parsed(QStringList words)
{
    words.prepend(QStringLiteral("/usr/bin/zavok32"));
    return CommandLineOptions::parse(words);
}

} // namespace

TEST(CommandLineTest, OptionsStandAnywhereAndTheOtherWordsAreTheScript)
{
    struct Case {
        QStringList words;
        Answer answer;
        QString tail;
        bool quiet;
    };
    const Case cases[] = {
        {{}, Answer::None, "", false},
        {{"--help"}, Answer::Help, "", false},
        {{"-h", "!a.zvk"}, Answer::Help, "!a.zvk", false},
        {{"--version"}, Answer::Version, "", false},
        {{"--version", "--help"}, Answer::Help, "", false},
        {{"-q", "!/jobs/a.zvk"}, Answer::None, "!/jobs/a.zvk", true},
        {{"$/jobs/a.zvk", "--quiet"}, Answer::None, "$/jobs/a.zvk", true},
        // A Windows path typed without quotes comes back whole.
        {{"!c:\\my", "jobs\\a.zvk"}, Answer::None, "!c:\\my jobs\\a.zvk", false},
        {{"c:\\my", "-q", "jobs\\a.zvk"}, Answer::None, "c:\\my jobs\\a.zvk", true},
        {{"\"c:\\my", "job.zvk\""}, Answer::None, "\"c:\\my job.zvk\"", false},
        // After "--" nothing is an option.
        {{"--", "-h"}, Answer::None, "-h", false},
        {{"-q", "--", "!--odd.zvk", "--quiet"}, Answer::None, "!--odd.zvk --quiet", true},
        {{"-"}, Answer::None, "-", false},
    };
    for (const Case& c : cases) {
        const LaunchRequest request = parsed(c.words);
        const std::string words = c.words.join(' ').toStdString();
        EXPECT_EQ(request.answer, c.answer) << words;
        EXPECT_EQ(request.tail, c.tail) << words;
        EXPECT_EQ(request.quiet, c.quiet) << words;
        EXPECT_FALSE(request.instead) << words;
        EXPECT_FALSE(request.restart) << words;
    }
    EXPECT_TRUE(parsed({"!a.zvk", "--restart"}).restart);
}

TEST(CommandLineTest, AnOptionItDoesNotKnowIsNamedWithTheUsage)
{
    const QMap<QStringList, QString> cases{
        {{"--frob"}, "unknown option --frob"},
        {{"!a.zvk", "-x"}, "unknown option -x"},
        {{"--quiet=yes"}, "Unexpected value after '--quiet'."},
        {{"--HELP"}, "unknown option --HELP"},
    };
    for (auto it = cases.begin(); it != cases.end(); ++it) {
        const LaunchRequest request = parsed(it.key());
        EXPECT_EQ(request.answer, Answer::UsageError) << it.key().join(' ').toStdString();
        EXPECT_EQ(request.error, it.value());
    }
    const QString text = CommandLineHelp::usageErrorText("unknown option --frob");
    EXPECT_TRUE(text.startsWith("zavok32: unknown option --frob\nUsage: zavok32 [OPTION]... [--] [SCRIPT]\n"));
    EXPECT_TRUE(text.endsWith("Try 'zavok32 --help' for more.\n"));
}

TEST(CommandLineTest, HelpAndManualPageListEveryOptionOfTheTable)
{
    const QString help = CommandLineHelp::helpText();
    const QString manual = CommandLineHelp::manualOptions();
    for (const CommandLineOption& option : CommandLineOptions::table()) {
        for (const QString& name : option.names) {
            const QString dashed = (name.size() == 1 ? "-" : "--") + name;
            EXPECT_TRUE(help.contains(dashed)) << dashed.toStdString();
            EXPECT_TRUE(manual.contains(QString(dashed).replace("-", "\\-"))) << dashed.toStdString();
        }
        // A long description wraps onto lines of its own.
        EXPECT_TRUE(help.simplified().contains(CommandLineOptions::descriptionOf(option).simplified()));
    }
    EXPECT_EQ(manual.count(".TP\n"), CommandLineOptions::table().size() + 1) << "and \"--\"";
    EXPECT_TRUE(help.contains("  -q, --quiet        print nothing but errors")) << help.toStdString();
    EXPECT_TRUE(help.contains("      --version      print the version and exit")) << help.toStdString();
    EXPECT_TRUE(help.contains("      --check=PATH   check the set PATH names")) << help.toStdString();
    for (const QString& line : help.split('\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();
    EXPECT_TRUE(help.endsWith('\n'));
    EXPECT_TRUE(CommandLineHelp::versionText().startsWith(QStringLiteral("zavok32 " ZAVOK32_VERSION "\n")));
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

    // A platform that draws nowhere takes an unattended run, never a window.
    for (const char* platform : {"offscreen", "minimal", "offscreen:fontengine=freetype"}) {
        const QMap<QString, QString> headless{{"QT_QPA_PLATFORM", platform}, {"DISPLAY", ":0"}};
        EXPECT_EQ(planWith("!/jobs/game.zvk", headless), Plan::AsConfigured) << platform;
        EXPECT_EQ(planWith("/jobs/game.zvk", headless), Plan::NoDisplay) << platform;
        EXPECT_EQ(planWith("", headless), Plan::NoDisplay) << platform;
    }
    const auto environment = [](const char* name) {
        return QString(name) == "QT_QPA_PLATFORM" ? QStringLiteral("offscreen") : QString();
    };
    EXPECT_TRUE(DisplayChoice::noDisplayMessage(environment).contains("QT_QPA_PLATFORM=offscreen"));
}
