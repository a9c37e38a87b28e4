#include "doubles/fakeprocessrunner.h"
#include "doubles/temphome.h"
#include "job/riprunstate.h"
#include "pipeline/archiverstep.h"
#include "platform/windowscommandline.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace archiverstep;

namespace {

class ArchiverStepTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        driveD = th.addDrive('d');
        QDir().mkpath(driveD + QStringLiteral("/games"));
        job.setSourcePath(QStringLiteral("d:\\games"));
        job.setZipBaseName(QStringLiteral("game"));
        job.setArchiveSizeStep(3);
        job.setArchiveCompression(3);
        th.services.processes = &runner;
    }
    // The run's own steps between prepare and run.
    bool prepare(const QString& extension = QStringLiteral(".rar"))
    {
        QString error;
        const bool ok = prepareArchiverStep(job, run, th.home(), &error);
        EXPECT_TRUE(ok) << error.toStdString();
        run.workDirectory = QStringLiteral("c:\\Zavok001");
        run.archivePath = run.workDirectory + QStringLiteral("\\game") + extension;
        return ok;
    }
    void useImage(const QString& image, const QString& cue = {})
    {
        job.setImageMode(true);
        job.setSourcePath(image);
        job.setCuePath(cue);
    }
    QString listFile() const { return th.homeDos() + QStringLiteral("\\rarstop.txt"); }

    TempHome th;
    QString driveD;
    RipJob job;
    RipRunState run;
    FakeProcessRunner runner;
};

} // namespace

TEST(VolumeSwitch, SizeStepsAndCompression)
{
    EXPECT_EQ(volumeSwitch(Archiver::Rar, 3, 3), "-v1440000b -m3");
    EXPECT_EQ(volumeSwitch(Archiver::Rar, 2, 5), "-v1000000b -m5");
    EXPECT_EQ(volumeSwitch(Archiver::Rar, 0, 0), "-v0000b -m0");
    EXPECT_EQ(volumeSwitch(Archiver::Rar, 1, 1), "-v500000b -m1");
    EXPECT_EQ(volumeSwitch(Archiver::Rar, 199, 3), "-v99500000b -m3");
    EXPECT_EQ(volumeSwitch(Archiver::Ace, 3, 3), "-v1440 -m3");
    EXPECT_EQ(volumeSwitch(Archiver::Ace, 2, 3), "-v1000 -m3");
    EXPECT_EQ(volumeSwitch(Archiver::Ace, 0, 3), " -m3");
}

TEST_F(ArchiverStepTest, DirectoryCommandLines)
{
    ASSERT_TRUE(prepare());
    EXPECT_EQ(commandLine(job, run), "wrar.exe a -r -y -v1440000b -m3  c:\\Zavok001\\game.rar");
    EXPECT_EQ(WindowsCommandLine::split(commandLine(job, run)),
              (QStringList{"wrar.exe", "a", "-r", "-y", "-v1440000b", "-m3", "c:\\Zavok001\\game.rar"}));

    job.setArchiver(Archiver::Ace);
    job.setArchiveCompression(5);
    job.setSkipEntries(QStringLiteral("extras\\*.*\r\nreadme.txt\r\n"));
    ASSERT_TRUE(prepare(QStringLiteral(".ace")));
    EXPECT_EQ(job.archiveCompression(), 3);
    EXPECT_EQ(commandLine(job, run), "wace.pif a -r -y -v1440 -m3 -x@c:\\skip.txt c:\\Zavok001\\game.ace");
    EXPECT_EQ(WindowsCommandLine::split(commandLine(job, run)).mid(4),
              (QStringList{"-v1440", "-m3", "-x@c:\\skip.txt", "c:\\Zavok001\\game.ace"}));
}

TEST_F(ArchiverStepTest, ImageCommandLinesNameTheListFileAndNoSkipSwitch)
{
    useImage(QStringLiteral("d:\\images\\cd.iso"));
    job.setSkipEntries(QStringLiteral("extras\\*.*\r\n"));
    ASSERT_TRUE(prepare());
    EXPECT_EQ(run.skipSwitch, "-x@c:\\skip.txt");
    EXPECT_EQ(th.read(QStringLiteral("c:\\skip.txt")), QByteArray("extras\\*.*\r\n\r\n"));
    EXPECT_EQ(commandLine(job, run),
              "wrar.exe a -ep -v1440000b -m3 -y c:\\Zavok001\\game.rar \"@" + listFile() + "\"");
    EXPECT_EQ(WindowsCommandLine::split(commandLine(job, run)),
              (QStringList{"wrar.exe", "a", "-ep", "-v1440000b", "-m3", "-y", "c:\\Zavok001\\game.rar",
                           "@" + listFile()}));

    job.setArchiver(Archiver::Ace);
    job.setArchiveSizeStep(0);
    ASSERT_TRUE(prepare(QStringLiteral(".ace")));
    EXPECT_EQ(commandLine(job, run), "wace.pif a -y -ep  -m3 c:\\Zavok001\\game.ace \"@" + listFile() + "\"");
    // The list file lies in a temporary folder whose random name may hold "-v", so only whole
    // arguments count.
    for (const QString &argument : WindowsCommandLine::split(commandLine(job, run)))
        EXPECT_FALSE(argument.startsWith(QStringLiteral("-v"))) << argument.toStdString();
}

TEST_F(ArchiverStepTest, ListFileHoldsTheImageItsCueAndInArchivesOnlyRunsTheTexts)
{
    useImage(QStringLiteral("d:\\images\\cd.bin"), QStringLiteral("d:\\images\\cd.cue"));
    job.setDizPath(QStringLiteral("d:\\texts\\file_id.diz"));
    job.setNfoPath(QStringLiteral("d:\\texts\\group.nfo"));
    ASSERT_TRUE(prepare());
    EXPECT_EQ(th.read(listFile()), QByteArray("d:\\images\\cd.cue\r\nd:\\images\\cd.bin\r\n"));

    job.setArchivesOnly(true);
    ASSERT_TRUE(prepare());
    EXPECT_EQ(th.read(listFile()), QByteArray("d:\\texts\\file_id.diz\r\nd:\\texts\\group.nfo\r\n"
                                              "d:\\images\\cd.cue\r\nd:\\images\\cd.bin\r\n"));

    job.setNfoPath(QString());
    job.setDizPath(QString());
    job.setCuePath(QString());
    ASSERT_TRUE(prepare());
    EXPECT_EQ(th.read(listFile()), QByteArray("d:\\images\\cd.bin\r\n"));
}

TEST_F(ArchiverStepTest, AnEmptySkipTextWritesNothingAndLeavesTwoBlanks)
{
    th.write(QStringLiteral("c:\\skip.txt"), "left from before\r\n");
    ASSERT_TRUE(prepare());
    EXPECT_EQ(run.skipSwitch, "");
    EXPECT_EQ(run.listFileArgument, "");
    EXPECT_EQ(th.read(QStringLiteral("c:\\skip.txt")), QByteArray("left from before\r\n"));
    EXPECT_TRUE(commandLine(job, run).contains("-m3  c:"));
    EXPECT_FALSE(QFile::exists(th.home() + QStringLiteral("/rarstop.txt")));
}

TEST_F(ArchiverStepTest, WorkingFilesThatCannotBeWrittenAreReported)
{
    job.setSkipEntries(QStringLiteral("extras\\*.*\r\n"));
    QDir().mkpath(th.host(QStringLiteral("c:\\skip.txt")));
    QString error;
    EXPECT_FALSE(prepareArchiverStep(job, run, th.home(), &error));
    EXPECT_TRUE(error.contains("skip.txt")) << error.toStdString();

    job.setSkipEntries(QString());
    useImage(QStringLiteral("d:\\cd.iso"));
    QDir().mkpath(th.home() + QStringLiteral("/rarstop.txt"));
    error.clear();
    EXPECT_FALSE(prepareArchiverStep(job, run, th.home(), &error));
    EXPECT_TRUE(error.contains("rarstop.txt")) << error.toStdString();
}

TEST_F(ArchiverStepTest, TheArchiverRunsInTheSourceOrBesideTheImage)
{
    EXPECT_EQ(currentDirectory(job), "d:\\games");
    ASSERT_TRUE(prepare());
    ASSERT_TRUE(runArchiverStep(job, run, th.services, th.home()));
    ASSERT_EQ(runner.calls.size(), 1);
    EXPECT_EQ(runner.calls[0].commandLine, commandLine(job, run));
    EXPECT_EQ(runner.calls[0].currentDirHost, driveD + QStringLiteral("/games"));

    QDir().mkpath(driveD + QStringLiteral("/Images"));
    useImage(QStringLiteral("d:\\images\\cd.iso"));
    EXPECT_EQ(currentDirectory(job), "d:\\images\\");
    ASSERT_TRUE(prepare());
    ASSERT_TRUE(runArchiverStep(job, run, th.services, th.home()));
    EXPECT_EQ(QDir(runner.calls.last().currentDirHost).canonicalPath(), driveD + QStringLiteral("/Images"));
}

TEST_F(ArchiverStepTest, ASourceFolderThatIsGoneStartsNothing)
{
    job.setSourcePath(QStringLiteral("d:\\gone"));
    ASSERT_TRUE(prepare());
    QString error;
    EXPECT_FALSE(runArchiverStep(job, run, th.services, th.home(), &error));
    EXPECT_TRUE(error.contains("d:\\gone")) << error.toStdString();

    useImage(QStringLiteral("cd.iso"));
    EXPECT_FALSE(runArchiverStep(job, run, th.services, th.home(), &error));
    job.setSourcePath(QStringLiteral("q:\\cd.iso"));
    EXPECT_FALSE(runArchiverStep(job, run, th.services, th.home(), &error));
    EXPECT_TRUE(runner.calls.isEmpty());
}
