#include "doubles/temphome.h"

#include "pipeline/setlock.h"
#include "platform/drivemap.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// The built program, run as a user runs it: its own application directory,
// the example tree on drive e:, no display.
struct ProgramFixture : ::testing::Test {
    TempHome home;
    QString driveE;

    void SetUp() override
    {
        driveE = home.addDrive('e');
        const QString example = QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/drive_e";
        ASSERT_EQ(QProcess::execute("cp", {"-R", example + "/.", driveE}), 0);
        QDir(driveE).mkpath("zips");
        QDir(driveE).mkpath("demo/data");
        QFile data(driveE + "/demo/data/levels.dat");
        ASSERT_TRUE(data.open(QIODevice::WriteOnly));
        QByteArray bytes(1200000, '\0');
        quint32 x = 12345;
        for (char& b : bytes) {
            x = x * 1103515245u + 12345u;
            b = char(x >> 24);
        }
        data.write(bytes);
    }

    int run(const QString& argument, QString* errors = nullptr) { return run(QStringList{argument}, errors); }
    int run(const QStringList& arguments, QString* errors = nullptr, QString* output = nullptr)
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ZAVOK32_HOME", home.home());
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ZAVOK32_TEST_BIN_DIR) + "/zavok32", arguments);
        if (!program.waitForFinished(120000)) {
            program.kill();
            return -1;
        }
        if (errors)
            *errors = QString::fromLocal8Bit(program.readAllStandardError());
        if (output)
            *output = QString::fromLocal8Bit(program.readAllStandardOutput());
        return program.exitCode();
    }
    QStringList zips() const { return QDir(driveE + "/zips").entryList({"*.zip"}, QDir::Files, QDir::Name); }

    // The example job with one line changed, written beside the example tree.
    QString exampleWith(const QByteArray& from, const QByteArray& to) const
    {
        QFile example(QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk");
        EXPECT_TRUE(example.open(QIODevice::ReadOnly));
        QByteArray bytes = example.readAll();
        EXPECT_TRUE(bytes.contains(from));
        bytes.replace(from, to);
        const QString path = driveE + "/job.zvk";
        QFile job(path);
        EXPECT_TRUE(job.open(QIODevice::WriteOnly));
        job.write(bytes);
        return path;
    }
};

} // namespace

TEST_F(ProgramFixture, AnUnattendedRunMakesTheZipsAndEndsWithZero)
{
    const QString script = QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk";
    EXPECT_EQ(run("!" + script), 0);
    EXPECT_EQ(zips(), (QStringList{"demo01.zip", "demo02.zip", "demo03.zip"}));
    // Closing the window wrote the drive and removed the working files.
    QFile ini(home.home() + "/drive1.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("c:\r\n"));
    EXPECT_FALSE(QFile::exists(home.home() + "/file_id.diz"));
    EXPECT_FALSE(QFile::exists(home.home() + "/demo.nfo"));
    EXPECT_FALSE(QDir(home.host("c:\\")).exists("Zavok001"));
}

TEST_F(ProgramFixture, CheckTellsASoundSetFromADamagedOneAndAPathWithNoSet)
{
    const QString script = QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk";
    QString out, err;
    ASSERT_EQ(run(QStringList{"!" + script}, &err, &out), 0) << err.toStdString();
    EXPECT_TRUE(out.endsWith("Verified: 3 ZIPs are sound\n")) << out.toStdString();

    EXPECT_EQ(run({"--check", driveE + "/zips"}, &err, &out), 0) << err.toStdString();
    EXPECT_EQ(out, "demo01.zip  sound\ndemo02.zip  sound\ndemo03.zip  sound\n"
                   "demo: all 3 ZIPs are sound (the volumes inside were not tested)\n");
    QFile::remove(driveE + "/zips/demo02.zip");
    EXPECT_EQ(run({"--check", "e:\\zips\\demo.sfv"}, &err, &out), 1);
    EXPECT_TRUE(out.contains("demo02.zip  missing\n")) << out.toStdString();
    EXPECT_EQ(run({"--check", driveE + "/nothing"}, &err, &out), 2);
    EXPECT_TRUE(err.contains("does not exist")) << err.toStdString();
    EXPECT_EQ(zips(), (QStringList{"demo01.zip", "demo03.zip"})) << "a check writes nothing";
}

TEST_F(ProgramFixture, ADatedRunPutsTheDateAfterTheBaseName)
{
    const QString script = QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk";
    EXPECT_EQ(run("$" + script), 0);
    const QDate today = QDate::currentDate();
    const QString date = QString("%1%2%3").arg(today.month(), 2, 10, QChar('0')).arg(today.day()).arg(today.year() % 100, 2, 10, QChar('0'));
    EXPECT_EQ(zips().value(0), "demo" + date + "01.zip");
    EXPECT_EQ(zips().size(), 3);
}

TEST_F(ProgramFixture, WithoutADisplayAFailedCheckEndsWithAReason)
{
    QFile::remove(driveE + "/demo.nfo");
    QString errors;
    const QString script = QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk";
    EXPECT_EQ(run("!" + script, &errors), 2);
    EXPECT_TRUE(errors.contains("did not pass its check")) << errors.toStdString();
    EXPECT_TRUE(zips().isEmpty());

    EXPECT_EQ(run("!/nonexistent/job.zvk", &errors), 2);
    EXPECT_TRUE(errors.contains("the script was not found")) << errors.toStdString();
}

TEST_F(ProgramFixture, ADriveRootInstallIsRefused)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ZAVOK32_HOME", "/");
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ZAVOK32_TEST_BIN_DIR) + "/zavok32", {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(program.readAllStandardError().contains("can not be run from a root directory"));
}

TEST_F(ProgramFixture, ASecondCopyLeavesTheFirstRunningAndEnds)
{
    QProcess first;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ZAVOK32_HOME", home.home());
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(ZAVOK32_TEST_BIN_DIR) + "/zavok32", {});
    ASSERT_TRUE(first.waitForStarted());
    // Wait until the first copy has made its working folders, i.e. is up.
    for (int i = 0; i < 100 && !QDir(home.home() + "/Scripts").exists(); ++i)
        QThread::msleep(50);
    QThread::msleep(200);
    EXPECT_EQ(run(QString()), 0);
    QString errors;
    EXPECT_EQ(run("!c:\\job.zvk", &errors), 4);
    EXPECT_TRUE(errors.contains("another copy is running"));
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    first.waitForFinished(5000);
    if (first.state() != QProcess::NotRunning)
        first.kill();
}

TEST_F(ProgramFixture, WithoutADisplayAMissingSkipEntryEndsTheLaunchInsteadOfWaiting)
{
    // The job check turns the launch interactive to show the missing entry;
    // with no display that window would wait for ever.
    const QString script = exampleWith("Skip: \r\n\r\n", "Skip: \r\nnot there\\*.*\r\n\r\n");
    QString errors;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(run("!" + script, &errors), 2);
    EXPECT_LT(clock.elapsed(), 60000);
    const QStringList lines = errors.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().contains("skip folder not found")) << errors.toStdString();
    EXPECT_TRUE(lines.last().contains("correct the script")) << errors.toStdString();
    EXPECT_TRUE(zips().isEmpty());
}

TEST_F(ProgramFixture, AnUnattendedScriptThatFailsToReadDoesNotRun)
{
    const QString script = exampleWith(" Size: 1\r\n", " Size: 99999\r\n");
    QString errors;
    EXPECT_EQ(run("!" + script, &errors), 2);
    EXPECT_TRUE(errors.contains("line 15: \" Size: 99999\" is not a number")) << errors.toStdString();
    EXPECT_EQ(errors.count("zavok32:"), 1) << errors.toStdString();
    EXPECT_TRUE(zips().isEmpty()) << "no set of a size nobody asked for";
    EXPECT_FALSE(QDir(home.host("c:\\")).exists("Zavok001"));
}

TEST_F(ProgramFixture, ARunAimedAtASetThatAnotherRunWritesIsRefused)
{
    // Held as another program run would hold it, whatever its application
    // directory.
    SetLock other;
    ASSERT_EQ(other.acquire(driveE + "/zips", "demo"), SetLock::Result::Locked);
    QString errors;
    const QString script = QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk";
    EXPECT_EQ(run("!" + script, &errors), 5);
    EXPECT_TRUE(errors.contains("is writing the set demo in e:\\zips")) << errors.toStdString();
    EXPECT_TRUE(zips().isEmpty());
    other.release();
    EXPECT_EQ(run("!" + script, &errors), 0) << errors.toStdString();
    EXPECT_EQ(zips().size(), 3);
}

TEST_F(ProgramFixture, TwoRunsStartedTogetherOnOneZipFolderLeaveOneWholeSet)
{
    // A second application directory whose drive e: is the same folder.
    QTemporaryDir otherHome;
    DriveMap otherMap(otherHome.path());
    otherMap.ensureDefaults();
    ASSERT_TRUE(otherMap.mapDrive('e', driveE));
    const QString script = QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk";
    const auto start = [&](QProcess& p, const QString& appDir) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ZAVOK32_HOME", appDir);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZAVOK32_TEST_BIN_DIR) + "/zavok32", {"!" + script});
    };
    QProcess first, second;
    start(first, home.home());
    start(second, otherHome.path());
    ASSERT_TRUE(first.waitForFinished(120000));
    ASSERT_TRUE(second.waitForFinished(120000));
    const QList<int> codes{first.exitCode(), second.exitCode()};
    for (QProcess* p : {&first, &second}) {
        if (p->exitCode() == 5)
            EXPECT_TRUE(p->readAllStandardError().contains("is writing the set demo")) << "refused with its reason";
        else
            EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    EXPECT_TRUE(codes.contains(0));

    // Whether they met or not, the ZIPs hold one set that gives the source back.
    const QString out = home.dir.path() + "/unpacked";
    QDir().mkpath(out);
    for (const QString& zip : zips())
        ASSERT_EQ(QProcess::execute("unzip", {"-oq", driveE + "/zips/" + zip, "-d", out}), 0);
    ASSERT_EQ(QProcess::execute("7z", {"x", "-y", "-bd", "-o" + out + "/set", out + "/demo.rar"}), 0);
    for (const QString& file : {QStringLiteral("readme.txt"), QStringLiteral("data/levels.dat")}) {
        QFile a(driveE + "/demo/" + file), b(out + "/set/" + file);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << file.toStdString();
        EXPECT_TRUE(a.readAll() == b.readAll()) << file.toStdString();
    }
}
