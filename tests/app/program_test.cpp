#include "doubles/temphome.h"

#include "app/displaychoice.h"
#include "pipeline/setlock.h"
#include "platform/drivemap.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QThread>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The built program, run as a user runs it: its own application directory,
// the example tree on drive e:, no display.
struct ProgramFixture : ::testing::Test {
    TempHome home;
    QString driveE;

    void SetUp() override
    {
        driveE = home.addExampleDrive(1200000, 12345);
    }

    int run(const QString& argument, QString* errors = nullptr, const QStringList& options = {},
            bool staleDisplay = false)
    {
        return runWords(options + QStringList{argument}, errors, nullptr, staleDisplay);
    }
    // staleDisplay: DISPLAY names an X server that is not there, as a cron
    // job or an ssh session that has ended leaves it.
    int runWords(const QStringList& arguments, QString* errors = nullptr, QString* output = nullptr,
                 bool staleDisplay = false)
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (staleDisplay) {
            env.remove("QT_QPA_PLATFORM");
            env.remove("WAYLAND_DISPLAY");
            env.insert("DISPLAY", ":77");
        }
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
    ASSERT_EQ(runWords({"!" + script}, &err, &out), 0) << err.toStdString();
    EXPECT_TRUE(out.contains("Verified: 3 ZIPs and the set are sound\n")) << out.toStdString();

    EXPECT_EQ(runWords({"--check", driveE + "/zips"}, &err, &out), 0) << err.toStdString();
    EXPECT_EQ(out, "demo01.zip  sound\ndemo02.zip  sound\ndemo03.zip  sound\n"
                   "demo: all 3 ZIPs are sound, and the volume set inside is whole and sound\n");
    QFile::remove(driveE + "/zips/demo02.zip");
    EXPECT_EQ(runWords({"--check", "e:\\zips\\demo.sfv"}, &err, &out), 1);
    EXPECT_TRUE(out.contains("demo02.zip  missing\n")) << out.toStdString();
    EXPECT_EQ(runWords({"--check=" + driveE + "/nothing"}, &err, &out), 2);
    EXPECT_TRUE(err.contains("does not exist")) << err.toStdString();
    EXPECT_EQ(zips(), (QStringList{"demo01.zip", "demo03.zip"})) << "a check writes nothing";

    // A volume spoiled before it was zipped: every ZIP reads back sound, the
    // set inside does not.
    ASSERT_EQ(run("!" + script), 0);
    const QString zipsFolder = driveE + "/zips";
    ASSERT_EQ(QProcess::execute("unzip", {"-q", "-o", zipsFolder + "/demo02.zip", "demo.r00", "-d", zipsFolder}), 0);
    QFile volume(zipsFolder + "/demo.r00");
    ASSERT_TRUE(volume.open(QIODevice::ReadWrite));
    volume.seek(volume.size() / 2);
    const char byte = volume.peek(1).at(0);
    volume.putChar(char(byte ^ 0x40));
    volume.close();
    ASSERT_EQ(QProcess::execute("zip", {"-q", "-j", zipsFolder + "/demo02.zip", zipsFolder + "/demo.r00"}), 0);
    QFile::remove(zipsFolder + "/demo.r00");
    QFile::remove(zipsFolder + "/demo.sfv");
    QFile::remove(zipsFolder + "/demo.sha256");
    EXPECT_EQ(runWords({"--check", zipsFolder}, &err, &out), 1);
    EXPECT_TRUE(out.contains("demo02.zip  sound\n")) << out.toStdString();
    EXPECT_TRUE(out.contains("demo: all 3 ZIPs are sound; the volume set inside is not sound: demo.r00")) << out.toStdString();
}

TEST_F(ProgramFixture, WithADisplayThatIsGoneAnUnattendedRunGoesOnAndAWindowIsRefused)
{
    ASSERT_FALSE(QFile::exists("/tmp/.X11-unix/X77")) << "an X server answers on :77";
    QString errors;
    const QString script = QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk";
    EXPECT_EQ(run("!" + script, &errors, {}, true), 0) << errors.toStdString();
    EXPECT_EQ(zips(), (QStringList{"demo01.zip", "demo02.zip", "demo03.zip"}));

    EXPECT_EQ(run(script, &errors, {}, true), 2);
    EXPECT_EQ(errors.trimmed(), DisplayChoice::noDisplayMessage([](const char*) { return QString(); }));
}

TEST_F(ProgramFixture, RepairRebuildsADeletedAndAFlippedZipAndWritesNothingWhenRecoveryIsNotEnough)
{
    const QString script = "!" + QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk";
    const QString folder = driveE + "/zips";
    QString out, err;
    ASSERT_EQ(runWords({"--recovery=2", script}, &err, &out), 0) << err.toStdString();
    // The checksum files list the recovery files too, and both readers agree.
    ASSERT_EQ(QProcess::execute("sh", {"-c", "cd \"$0\" && cksfv -q -f demo.sfv && sha256sum -c --quiet demo.sha256 "
                                              "&& grep -q '^demo.par2 ' demo.sfv", folder}), 0);
    const auto bytesOf = [&](const QString& name) {
        QFile f(folder + "/" + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray second = bytesOf("demo02.zip"), third = bytesOf("demo03.zip");
    QFile::remove(folder + "/demo02.zip");
    {
        QFile f(folder + "/demo03.zip");
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(f.size() / 3);
        f.putChar(char(third.at(third.size() / 3) ^ 0x01));
    }
    EXPECT_EQ(runWords({"--repair", "e:\\zips"}, &err, &out), 0) << err.toStdString() << out.toStdString();
    EXPECT_TRUE(out.contains("demo02.zip  rebuilt\n")) << out.toStdString();
    EXPECT_TRUE(out.contains("demo03.zip  kept aside as demo03.zip.damaged\n")) << out.toStdString();
    EXPECT_TRUE(out.endsWith("demo: all 3 ZIPs are sound, and the volume set inside is whole and sound\n")) << out.toStdString();
    EXPECT_EQ(bytesOf("demo02.zip"), second);
    EXPECT_EQ(bytesOf("demo03.zip"), third);
    EXPECT_TRUE(QFile::exists(folder + "/demo03.zip.damaged"));

    // Three lost of a set that can rebuild two: nothing is written.
    for (const char* name : {"demo01.zip", "demo02.zip", "demo03.zip"})
        QFile::remove(folder + "/" + name);
    const QStringList before = QDir(folder).entryList(QDir::Files);
    EXPECT_EQ(runWords({"--repair=" + folder}, &err, &out), 1);
    EXPECT_TRUE(err.contains("not enough to rebuild")) << err.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), before);
    EXPECT_EQ(runWords({"--repair", driveE + "/nothing"}, &err, &out), 2);
    EXPECT_EQ(runWords({"--recovery=100", script}, &err, &out), 2);
    EXPECT_TRUE(err.contains("--recovery takes a number of ZIPs from 0 to 99, not '100'")) << err.toStdString();
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
    program.start(QStringLiteral(ZAVOK32_TEST_BIN_DIR) + "/zavok32", {"!c:\\job.zvk"});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(program.readAllStandardError().contains("can not be run from a root directory"));
}

TEST_F(ProgramFixture, ASecondStartHandsItsScriptToTheWindowOnTheSameDisplay)
{
    // An X server of the test's own: two copies, one display.
    QProcess server;
    server.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
    if (!server.waitForStarted(5000))
        GTEST_SKIP() << "Xvfb is not installed";
    const auto stopServer = qScopeGuard([&] {
        server.terminate();
        server.waitForFinished(5000);
    });
    while (!server.canReadLine() && server.waitForReadyRead(10000)) {
    }
    const QString display = ":" + QString::fromLatin1(server.readLine()).trimmed();
    ASSERT_NE(display, ":");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.insert("DISPLAY", display);
    env.insert("ZAVOK32_HOME", home.home());
    const auto windowTitled = [&](const QString& title) {
        for (int i = 0; i < 100; ++i) {
            QProcess list;
            list.setProcessEnvironment(env);
            list.start("xwininfo", {"-root", "-tree"});
            list.waitForFinished(5000);
            if (list.readAllStandardOutput().contains(("\"" + title + "\"").toUtf8()))
                return true;
            QThread::msleep(100);
        }
        return false;
    };
    const auto start = [&](QProcess& p, const QStringList& arguments) {
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(driveE);
        p.start(QStringLiteral(ZAVOK32_TEST_BIN_DIR) + "/zavok32", arguments);
    };

    QProcess first;
    start(first, {});
    ASSERT_TRUE(first.waitForStarted());
    const auto stopFirst = qScopeGuard([&] {
        first.kill();
        first.waitForFinished(5000);
    });
    ASSERT_TRUE(windowTitled("Zavok32")) << "the first copy shows its window on " << display.toStdString() << ": "
                                         << first.readAllStandardError().toStdString();

    // Named relative to the second start's own folder.
    exampleWith(" name:demo\r\n", " name:handed\r\n");
    QProcess second;
    start(second, {"job.zvk"});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_TRUE(windowTitled("Zavok32 - job.zvk")) << "the first window opened the script";

    // An unattended run cannot run beside it, and nothing at all just brings it forward.
    QProcess unattended, bare;
    start(unattended, {"!job.zvk"});
    ASSERT_TRUE(unattended.waitForFinished(20000));
    EXPECT_EQ(unattended.exitCode(), 4);
    EXPECT_TRUE(unattended.readAllStandardError().contains("another copy is running"));
    start(bare, {});
    ASSERT_TRUE(bare.waitForFinished(20000));
    EXPECT_EQ(bare.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_TRUE(zips().isEmpty()) << "nothing ran";
}

namespace {

// The program with its standard output on a pseudo-terminal, as at a
// terminal; what the terminal got, and how the program ended.
QByteArray runOnTerminal(const QStringList& arguments, const QString& appDir, int* status)
{
    int master = -1, slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        return {};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ZAVOK32_HOME", appDir);
    std::vector<QByteArray> strings;
    for (const QString& s : QStringList{QStringLiteral(ZAVOK32_TEST_BIN_DIR) + "/zavok32"} + arguments)
        strings.push_back(s.toLocal8Bit());
    const size_t argc = strings.size();
    for (const QString& s : env.toStringList())
        strings.push_back(s.toLocal8Bit());
    std::vector<char*> argv, envp;
    for (size_t i = 0; i < strings.size(); ++i)
        (i < argc ? argv : envp).push_back(strings[i].data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, slave, STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, master);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(slave);
    QByteArray out;
    if (error == 0) {
        char buffer[4096];
        pollfd fd{master, POLLIN, 0};
        // Read until the program has closed the terminal (EIO), for two minutes at most.
        while (::poll(&fd, 1, 120000) > 0) {
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            out.append(buffer, n);
        }
        int wstatus = 0;
        ::waitpid(pid, &wstatus, 0);
        *status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    }
    ::close(master);
    return out;
}

} // namespace

TEST_F(ProgramFixture, AtATerminalOneLineFollowsTheWholeRunAndIntoAPipeEveryZipHasALine)
{
    const QString script = "!" + QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk";
    int status = -1;
    const QByteArray terminal = runOnTerminal({script}, home.home(), &status);
    EXPECT_EQ(status, 0) << terminal.toStdString();
    EXPECT_EQ(zips().size(), 3);
    // The terminal turns each line end into CR LF.
    const QList<QByteArray> lines = terminal.split('\n');
    ASSERT_EQ(lines.size(), 3) << terminal.toStdString();
    EXPECT_TRUE(lines[0].contains("%  archiving")) << terminal.toStdString();
    EXPECT_TRUE(lines[0].contains("%  ZIP 03 of 03")) << terminal.toStdString();
    EXPECT_TRUE(lines[0].contains(" MB/s  0:")) << terminal.toStdString();
    EXPECT_TRUE(lines[0].contains("\r3 ZIPs, ")) << terminal.toStdString();
    EXPECT_TRUE(lines[0].endsWith("\x1b[K\r")) << terminal.toStdString();
    EXPECT_EQ(lines[1], "Verified: 3 ZIPs and the set are sound\r");
    EXPECT_FALSE(terminal.contains("Creating")) << "the archiver's lines stay back";

    QDir(driveE + "/zips").removeRecursively();
    QDir(driveE).mkpath("zips");
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ZAVOK32_HOME", home.home());
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ZAVOK32_TEST_BIN_DIR) + "/zavok32", {script});
    ASSERT_TRUE(program.waitForFinished(120000));
    EXPECT_EQ(program.exitCode(), 0);
    const QByteArray piped = program.readAllStandardOutput();
    EXPECT_FALSE(piped.contains('\r') || piped.contains('\x1b')) << piped.toStdString();
    EXPECT_TRUE(piped.contains("Creating c:\\Zavok001\\demo.rar")) << piped.toStdString();
    EXPECT_TRUE(piped.contains("\n01 of 03  demo01.zip\n02 of 03  demo02.zip\n03 of 03  demo03.zip\n3 ZIPs, "))
        << piped.toStdString();
    static const QRegularExpression summary("\\n3 ZIPs, [0-9,]+ bytes, made in \\d+:\\d\\d\\nVerified: 3 ZIPs and the set are sound\\n$");
    EXPECT_TRUE(summary.match(QString::fromLocal8Bit(piped)).hasMatch()) << piped.toStdString();

    // Quiet: nothing but errors, at a terminal as into a pipe.
    QDir(driveE + "/zips").removeRecursively();
    QDir(driveE).mkpath("zips");
    EXPECT_EQ(runOnTerminal({"--quiet", script}, home.home(), &status), QByteArray());
    EXPECT_EQ(status, 0);
    QString errors;
    EXPECT_EQ(run("!/nonexistent/job.zvk", &errors, {"-q"}), 2);
    EXPECT_TRUE(errors.contains("the script was not found")) << errors.toStdString();
    EXPECT_EQ(zips().size(), 3);
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
