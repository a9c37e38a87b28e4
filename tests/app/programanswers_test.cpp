#include "app/commandlinehelp.h"
#include "app/displaychoice.h"

#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Answer {
    int status = -1;
    QString out;
    QString err;
};

// The built program started as from a bare terminal with no display: the
// environment holds nothing but a fresh application directory (and what the
// caller adds).
Answer runWithoutDisplay(const QStringList& arguments, const QMap<QString, QString>& more = {})
{
    static QTemporaryDir home;
    QProcess program;
    QProcessEnvironment environment;
    environment.insert("ZAVOK32_HOME", home.path());
    for (auto it = more.begin(); it != more.end(); ++it)
        environment.insert(it.key(), it.value());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZAVOK32_TEST_BIN_DIR) + "/zavok32", arguments);
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        return {};
    }
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

} // namespace

TEST(ProgramAnswersTest, HelpVersionAndUsageErrorsAreAnsweredAtOnceWithoutADisplay)
{
    QElapsedTimer clock;
    clock.start();
    for (const QStringList& words : {QStringList{"--help"}, QStringList{"-h"}, QStringList{"!job.zvk", "--help"}}) {
        const Answer answer = runWithoutDisplay(words);
        EXPECT_EQ(answer.status, 0) << words.join(' ').toStdString();
        EXPECT_EQ(answer.out, CommandLineHelp::helpText());
        EXPECT_EQ(answer.err, QString());
    }
    const Answer version = runWithoutDisplay({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, CommandLineHelp::versionText());
    EXPECT_EQ(version.err, QString());

    // Not taken as a script, as it used to be: named, with the usage.
    for (const QStringList& words : {QStringList{"--frob"}, QStringList{"!/jobs/a.zvk", "--quiet=1"}}) {
        const Answer wrong = runWithoutDisplay(words);
        EXPECT_EQ(wrong.status, 2) << words.join(' ').toStdString();
        EXPECT_EQ(wrong.out, QString());
        EXPECT_TRUE(wrong.err.startsWith("zavok32: ")) << wrong.err.toStdString();
        EXPECT_TRUE(wrong.err.contains("Usage: zavok32")) << wrong.err.toStdString();
    }
    // No window was waited on: all were over at once.
    EXPECT_LT(clock.elapsed(), 20000);
}

TEST(ProgramAnswersTest, WithoutADisplayAWindowIsRefusedAndAnUnattendedRunGoesOn)
{
    // A script after "--" that looks like an option still needs the window;
    // so does any window on a platform that draws nowhere.
    QElapsedTimer clock;
    clock.start();
    const Answer window = runWithoutDisplay({"--", "--help"});
    EXPECT_EQ(window.status, 2);
    EXPECT_EQ(window.out, QString());
    EXPECT_EQ(window.err.trimmed(), DisplayChoice::noDisplayMessage([](const char*) { return QString(); }));
    for (const QStringList& words : {QStringList{}, QStringList{"/jobs/game.zvk"}}) {
        const Answer offscreen = runWithoutDisplay(words, {{"QT_QPA_PLATFORM", "offscreen"}});
        EXPECT_EQ(offscreen.status, 2) << words.join(' ').toStdString();
        EXPECT_EQ(offscreen.err.count('\n'), 1) << offscreen.err.toStdString();
        EXPECT_TRUE(offscreen.err.contains("QT_QPA_PLATFORM=offscreen")) << offscreen.err.toStdString();
    }
    EXPECT_LT(clock.elapsed(), 20000);

    // An unattended launch runs without one and ends with its own reason,
    // not the toolkit's.
    const Answer unattended = runWithoutDisplay({"!/nonexistent/job.zvk"});
    EXPECT_EQ(unattended.status, 2);
    EXPECT_TRUE(unattended.err.contains("the script was not found")) << unattended.err.toStdString();
    EXPECT_FALSE(unattended.err.contains("plugin")) << unattended.err.toStdString();
}

// What the program answers on the terminal follows the locale as the window
// does, but for the usage text, which stays English as the manual page.
TEST(ProgramAnswersTest, TheTerminalAnswersSpeakTheLocalesLanguage)
{
    const QMap<QString, QString> german{{"LANG", "de_DE.UTF-8"}};
    EXPECT_EQ(runWithoutDisplay({"--help"}, german).out, CommandLineHelp::helpText());
    EXPECT_TRUE(runWithoutDisplay({"--frob"}, german).err.startsWith("zavok32: unbekannte Option --frob\n"));
    const QString nowhere = QStringLiteral("/nonexistent/zavok32-set");
    EXPECT_EQ(runWithoutDisplay({"--check", nowhere}, german).err, "zavok32: " + nowhere + " existiert nicht\n");
    EXPECT_EQ(runWithoutDisplay({"--check", nowhere}, {{"LANG", "C"}}).err, "zavok32: " + nowhere + " does not exist\n");
}
