#include "app/commandlinehelp.h"
#include "app/displaychoice.h"

#include <QElapsedTimer>
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
// environment holds nothing but a fresh application directory.
Answer runWithoutDisplay(const QString& argument)
{
    static QTemporaryDir home;
    QProcess program;
    QProcessEnvironment environment;
    environment.insert("ZAVOK32_HOME", home.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZAVOK32_TEST_BIN_DIR) + "/zavok32", {argument});
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

TEST(ProgramAnswersTest, HelpAndVersionAreAnsweredOnStandardOutputWithoutADisplay)
{
    QElapsedTimer clock;
    clock.start();
    for (const char* word : {"--help", "-h"}) {
        const Answer answer = runWithoutDisplay(word);
        EXPECT_EQ(answer.status, 0) << word;
        EXPECT_EQ(answer.out, CommandLineHelp::helpText()) << word;
        EXPECT_EQ(answer.err, QString()) << word;
    }
    const Answer version = runWithoutDisplay("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, CommandLineHelp::versionText());
    EXPECT_EQ(version.err, QString());
    // No window was waited on: all three were over at once.
    EXPECT_LT(clock.elapsed(), 20000);
}

TEST(ProgramAnswersTest, WithoutADisplayAWindowIsRefusedAndAnUnattendedRunGoesOn)
{
    // More after "--help" names a script, which would need the window.
    const Answer window = runWithoutDisplay("--help me");
    EXPECT_EQ(window.status, 2);
    EXPECT_EQ(window.out, QString());
    EXPECT_EQ(window.err.trimmed(), DisplayChoice::noDisplayMessage());

    // An unattended launch runs without one and ends with its own reason,
    // not the toolkit's.
    const Answer unattended = runWithoutDisplay("!/nonexistent/job.zvk");
    EXPECT_EQ(unattended.status, 2);
    EXPECT_TRUE(unattended.err.contains("the script was not found")) << unattended.err.toStdString();
    EXPECT_FALSE(unattended.err.contains("plugin")) << unattended.err.toStdString();
}
