#include "app/startup.h"
#include "doubles/temphome.h"
#include "job/riprunstate.h"
#include "job/ripjob.h"
#include "job/viewstate.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct StartupFixture : ::testing::Test {
    TempHome home;
    RipJob job;
    RipRunState runState;
    ViewState view;
    AppState app;
    QStringList calls;
    bool ready = false;
    bool ended = false;
    std::unique_ptr<Startup> startup;

    void SetUp() override { make(home.home()); }
    void make(const QString& appDir)
    {
        startup = std::make_unique<Startup>(job, runState, view, app, home.services, appDir);
        startup->showMainWindow = [this] { calls << "show"; };
        startup->readScript = [this] { calls << "read"; };
        startup->checkJob = [this] {
            calls << "check";
            job.setReadyToRun(ready);
        };
        startup->measureSource = [this] { calls << "measure"; };
        startup->runJob = [this] { calls << "run"; };
        startup->markSourceItem = [this] { calls << "mark"; };
        startup->loadSoundSwitch = [this] { calls << "sounds"; };
        startup->applicationEnded = [this] { return ended; };
    }
    void writeHome(const QString& name, const QByteArray& bytes)
    {
        QFile file(QDir(home.home()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    bool inHome(const QString& name) const { return QFileInfo::exists(QDir(home.home()).filePath(name)); }
};

} // namespace

TEST(StartupCommandLine, PrefixesChooseTheModeAndTheRestIsUsedUnchanged)
{
    EXPECT_EQ(Startup::parseCommandLine("$c:\\a.zvk").mode, LaunchMode::AutoRunDated);
    EXPECT_EQ(Startup::parseCommandLine("$c:\\a.zvk").scriptPath, "c:\\a.zvk");
    EXPECT_EQ(Startup::parseCommandLine("!c:\\a.zvk").mode, LaunchMode::AutoRun);
    EXPECT_EQ(Startup::parseCommandLine("!c:\\a.zvk").scriptPath, "c:\\a.zvk");
    EXPECT_EQ(Startup::parseCommandLine("\"c:\\my job.zvk\"").scriptPath, "\"c:\\my job.zvk\"");
    EXPECT_EQ(Startup::parseCommandLine("\"c:\\my job.zvk\"").mode, LaunchMode::Interactive);
    EXPECT_EQ(Startup::parseCommandLine("").scriptPath, "");

    // Handed to another copy, a relative host path is made absolute here.
    EXPECT_EQ(Startup::absoluteScriptArgument("jobs/a.zvk"), QDir::currentPath() + "/jobs/a.zvk");
    for (const char* stays : {"", "/jobs/a.zvk", "c:\\a.zvk", "!jobs/a.zvk", "$jobs/a.zvk", "\"jobs/a.zvk\""})
        EXPECT_EQ(Startup::absoluteScriptArgument(stays), stays) << stays;
}

TEST(StartupFreeSpace, WholeMegabytesOrLessThanTwo)
{
    EXPECT_EQ(Startup::freeSpaceLabel(650000000), "Free space on\r 650 Meg.");
    EXPECT_EQ(Startup::freeSpaceLabel(1500000000), "Free space on\r 1500 Meg.");
    EXPECT_EQ(Startup::freeSpaceLabel(2000000), "Free space on\r 2 Meg.");
    EXPECT_EQ(Startup::freeSpaceLabel(1999999), "Free space on\rless than 2 Meg.");
    EXPECT_EQ(Startup::freeSpaceLabel(0), "Free space on\rless than 2 Meg.");
}

TEST_F(StartupFixture, HostPathsOnTheCommandLineBecomeDosPaths)
{
    const QString d = home.addDrive('d');
    EXPECT_EQ(startup->commandLineToDos("!" + d + "/Jobs/Game.zvk"), "!d:\\Jobs\\Game.zvk");
    EXPECT_EQ(startup->commandLineToDos("$/tmp/x.zvk"), "$z:\\tmp\\x.zvk");
    EXPECT_EQ(startup->commandLineToDos("c:\\scripts\\a.zvk"), "c:\\scripts\\a.zvk");
    EXPECT_EQ(startup->commandLineToDos("!"), "!");
}

TEST_F(StartupFixture, ADriveRootInstallIsRefusedAndShutdownTouchesNothing)
{
    const QString d = home.addDrive('d');
    make(d);
    EXPECT_EQ(startup->load(QString()), Startup::Outcome::Refused);
    ASSERT_EQ(home.messages.shown.size(), 1);
    EXPECT_EQ(home.messages.shown[0].title, "Zavok32 error");
    EXPECT_EQ(home.messages.shown[0].text, "Zavok32 can not be run from\r\na root directory, please reinstall.");
    EXPECT_EQ(home.messages.shown[0].icon, MessageIcon::Stop);
    startup->shutdown();
    EXPECT_TRUE(QDir(d).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(StartupFixture, InteractiveStartWithoutAScript)
{
    writeHome("zcom1.ini", "");
    job.setArchiveCompression(1);
    EXPECT_EQ(startup->load(QString()), Startup::Outcome::Waiting);
    EXPECT_EQ(calls, (QStringList{"show", "sounds", "mark"}));
    EXPECT_EQ(job.workDrive(), QLatin1Char('c'));
    EXPECT_TRUE(view.source.freeSpaceLabel.startsWith("Free space on\r"));
    EXPECT_EQ(job.archiveCompression(), 3);
    EXPECT_EQ(job.zipCompression(), 3);
    EXPECT_TRUE(job.useZipComment());
    EXPECT_TRUE(QFileInfo(QDir(home.home()).filePath("temp")).isDir());
    EXPECT_TRUE(QFileInfo(QDir(home.home()).filePath("Scripts")).isDir());
    EXPECT_EQ(app.launchMode, LaunchMode::Interactive);
    EXPECT_EQ(home.shell.pages, QList<PageId>{PageId::Source});
}

TEST_F(StartupFixture, TheRememberedWorkDriveIsReadInAnyCaseAndAMissingOneFallsBackToC)
{
    home.addDrive('d');
    writeHome("DRIVE1.INI", "d:,whatever\r\n");
    startup->load(QString());
    EXPECT_EQ(job.workDrive(), QLatin1Char('d'));

    QFile::remove(QDir(home.home()).filePath("DRIVE1.INI"));
    writeHome("Drive1.ini", "q:\r\n");
    job.setWorkDrive('d');
    startup->load(QString());
    EXPECT_EQ(job.workDrive(), QLatin1Char('c'));

    writeHome("Drive1.ini", "");
    job.setWorkDrive('d');
    startup->load(QString());
    EXPECT_EQ(job.workDrive(), QLatin1Char('c'));
}

TEST_F(StartupFixture, APlainScriptIsLoadedCheckedAndMeasuredAndWaits)
{
    EXPECT_EQ(startup->load("c:\\Scripts\\Quake.ZVK"), Startup::Outcome::Waiting);
    EXPECT_EQ(calls, (QStringList{"show", "read", "check", "measure", "show", "sounds", "mark"}));
    EXPECT_EQ(job.scriptPath(), "c:\\Scripts\\Quake.ZVK");
    EXPECT_EQ(view.window.caption, "Zavok32 - quake.zvk");
}

TEST_F(StartupFixture, AnUnattendedJobThatFailsItsCheckDoesNotRun)
{
    ready = false;
    EXPECT_EQ(startup->load("!c:\\a.zvk"), Startup::Outcome::UnattendedNotReady);
    EXPECT_EQ(calls, (QStringList{"show", "read", "check"}));
    EXPECT_EQ(app.launchMode, LaunchMode::AutoRun);
}

TEST_F(StartupFixture, AnUnattendedJobThatPassesRuns)
{
    ready = true;
    home.addDrive('e');
    job.setZipDirectory("e:\\zips");
    startup->runJob = [this] {
        calls << "run";
        ended = true; // the run closes the window at its end
    };
    EXPECT_EQ(startup->load("$c:\\a.zvk"), Startup::Outcome::Ended);
    EXPECT_EQ(calls, (QStringList{"show", "read", "check", "measure", "run"}));
    EXPECT_EQ(app.launchMode, LaunchMode::AutoRunDated);
    EXPECT_TRUE(view.zip.freeSpaceCaption.startsWith("Free space "));
    EXPECT_TRUE(view.zip.freeSpaceCaption.endsWith(" M"));
}

TEST_F(StartupFixture, AnUnattendedLaunchThatTheCheckHandsToTheUserSaysSo)
{
    // A missing skip entry: the check shows it and makes the launch interactive.
    startup->checkJob = [this] {
        calls << "check";
        app.launchMode = LaunchMode::Interactive;
        job.setReadyToRun(true);
    };
    EXPECT_EQ(startup->load("!c:\\a.zvk"), Startup::Outcome::HandedToUser);
    EXPECT_EQ(calls, (QStringList{"show", "read", "check", "measure", "show", "sounds", "mark"}));
    EXPECT_TRUE(QDir(home.home()).exists("Scripts"));
}

TEST_F(StartupFixture, AScriptThatEndsTheProgramWhileReadingGoesNoFurther)
{
    startup->readScript = [this] {
        calls << "read";
        ended = true;
    };
    EXPECT_EQ(startup->load("!c:\\a.zvk"), Startup::Outcome::Ended);
    EXPECT_EQ(calls, (QStringList{"show", "read"}));
}

TEST_F(StartupFixture, ARunThatComesBackIsReported)
{
    ready = true;
    EXPECT_EQ(startup->load("!c:\\a.zvk"), Startup::Outcome::RunReturned);
}

TEST_F(StartupFixture, ShutdownRemembersTheDriveAndDeletesTheWorkingFiles)
{
    home.addDrive('d');
    job.setWorkDrive('d');
    writeHome("Drive1.ini", "c:\r\n");
    home.write("c:\\skip.txt", "x");
    home.write("c:\\size.txt", "x");
    writeHome("file_id.diz", "x");
    writeHome("RARSTOP.TXT", "x");
    writeHome("game.nfo", "x");
    writeHome("zcomment.ini", "keep");
    runState.nfoFileName = "game.nfo";
    QDir(home.home()).mkpath("temp");
    writeHome("temp/file_id.diz", "keep");

    startup->shutdown();

    QFile ini(QDir(home.home()).filePath("drive1.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("d:\r\n"));
    EXPECT_FALSE(inHome("Drive1.ini"));
    EXPECT_FALSE(QFile::exists(home.host("c:\\skip.txt")));
    EXPECT_FALSE(QFile::exists(home.host("c:\\size.txt")));
    EXPECT_FALSE(inHome("file_id.diz"));
    EXPECT_FALSE(inHome("RARSTOP.TXT"));
    EXPECT_FALSE(inHome("game.nfo"));
    EXPECT_TRUE(inHome("zcomment.ini"));
    EXPECT_TRUE(inHome("temp/file_id.diz"));
}
