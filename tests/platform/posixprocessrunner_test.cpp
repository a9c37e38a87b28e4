#include "platform/posixprocessrunner.h"
#include "platform/stopsignals.h"
#include "platform/streamarchiverconsole.h"
#include "platform/windowscommandline.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {

struct Record {
    QString executable;
    QString currentDir;
    QStringList args;
};

// Runs command lines against copies of the witness program in folders whose
// names hold everything a shell would act on.
class ProcessRunnerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = QFileInfo(dir.path()).canonicalFilePath();
        appDir = makeFolder(QStringLiteral("app dir $HOME;|&'x'"));
        workDir = makeFolder(QStringLiteral("source \"cd\" `x` $(y); a|b"));
        out = root + QStringLiteral("/record.bin");
        qputenv("ARGRECORDER_OUT", QFile::encodeName(out));
        qunsetenv("ARGRECORDER_DELAY_MS");
        savedPath = qgetenv("PATH");
    }
    void TearDown() override
    {
        qputenv("PATH", savedPath);
        for (const char* name : {"ARGRECORDER_OUT", "ARGRECORDER_DELAY_MS", "ARGRECORDER_EXIT", "ARGRECORDER_SIGNAL"})
            qunsetenv(name);
    }

    QString makeFolder(const QString& name)
    {
        const QString path = root + QLatin1Char('/') + name;
        QDir().mkpath(path);
        return path;
    }
    QString placeWitness(const QString& folder, const QString& name)
    {
        const QString path = folder + QLatin1Char('/') + name;
        EXPECT_TRUE(QFile::copy(QStringLiteral(ARGRECORDER_PATH), path)) << path.toStdString();
        return path;
    }
    std::optional<Record> record()
    {
        QFile file(out);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        QList<QByteArray> fields = file.readAll().split('\0');
        fields.removeLast();
        Record r;
        r.executable = QFile::decodeName(fields.takeFirst());
        r.currentDir = QFile::decodeName(fields.takeFirst());
        for (const QByteArray& f : fields)
            r.args << QString::fromLocal8Bit(f);
        return r;
    }

    QTemporaryDir dir;
    QString root;
    QString appDir;
    QString workDir;
    QString out;
    QByteArray savedPath;
};

} // namespace

TEST_F(ProcessRunnerTest, TheChildGetsExactlyItsArgumentsInTheChosenFolder)
{
    placeWitness(appDir, QStringLiteral("wrar"));
    const QString line = QStringLiteral(R"(wrar.exe a -ep -v1440000b -m3 -y c:\Zavok001\game.rar )")
                         + WindowsCommandLine::quote(QStringLiteral(R"(@z:\tmp\app dir $HOME;|&'x'\rarstop.txt)"))
                         + QStringLiteral(R"( $PATH ;ls |cat `id` "it's" \"quoted\")");
    PosixProcessRunner(appDir).execCmd(line, workDir);

    const auto r = record();
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->currentDir, workDir);
    EXPECT_EQ(r->executable, appDir + QStringLiteral("/wrar"));
    EXPECT_EQ(r->args, (QStringList{"wrar.exe", "a", "-ep", "-v1440000b", "-m3", "-y", R"(c:\Zavok001\game.rar)",
                                    R"(@z:\tmp\app dir $HOME;|&'x'\rarstop.txt)", "$PATH", ";ls", "|cat", "`id`",
                                    "it's", R"("quoted")"}));
}

TEST_F(ProcessRunnerTest, WaitsForTheChildToEndAndSaysHowItEnded)
{
    placeWitness(appDir, QStringLiteral("wace"));
    qputenv("ARGRECORDER_DELAY_MS", "300");
    PosixProcessRunner runner(appDir);
    const ProcessEnd done = runner.execCmd(QStringLiteral("wace.PIF a -y"), workDir);
    EXPECT_TRUE(QFileInfo::exists(out));
    EXPECT_TRUE(done.succeeded());
    EXPECT_EQ(done.program, QStringLiteral("wace.PIF"));
    qunsetenv("ARGRECORDER_DELAY_MS");

    qputenv("ARGRECORDER_EXIT", "1");
    const ProcessEnd failed = runner.execCmd(QStringLiteral("wace.pif a"), workDir);
    EXPECT_EQ(failed.kind, ProcessEnd::Kind::Exited);
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_FALSE(failed.succeeded());
    EXPECT_EQ(failed.describe(), QStringLiteral("ended with exit status 1"));

    qputenv("ARGRECORDER_SIGNAL", "9");
    const ProcessEnd killed = runner.execCmd(QStringLiteral("wace.pif a"), workDir);
    EXPECT_EQ(killed.kind, ProcessEnd::Kind::Signalled);
    EXPECT_EQ(killed.signal, 9);
    EXPECT_FALSE(killed.succeeded());
    EXPECT_TRUE(killed.describe().startsWith(QStringLiteral("was ended by signal 9"))) << killed.describe().toStdString();
}

TEST_F(ProcessRunnerTest, LooksBesideTheProgramThenInTheAppDirThenTheCurrentDirThenOnThePath)
{
    const QString pathDir = makeFolder(QStringLiteral("on path"));
    qputenv("PATH", QFile::encodeName(pathDir + QStringLiteral(":/usr/bin:/bin")));
    PosixProcessRunner runner(appDir);

    const QString onPath = placeWitness(pathDir, QStringLiteral("tool"));
    EXPECT_EQ(runner.findProgram(QStringLiteral("tool.exe"), workDir), onPath);
    const QString inCurrent = placeWitness(workDir, QStringLiteral("tool"));
    EXPECT_EQ(runner.findProgram(QStringLiteral("tool.exe"), workDir), inCurrent);
    const QString inApp = placeWitness(appDir, QStringLiteral("tool"));
    EXPECT_EQ(runner.findProgram(QStringLiteral("tool.Exe"), workDir), inApp);

    // The witness itself lies beside this test program.
    EXPECT_EQ(runner.findProgram(QStringLiteral("argrecorder.pif"), workDir),
              QFileInfo(QStringLiteral(ARGRECORDER_PATH)).absoluteFilePath());
    // A name of the exact file wins over the shortened one.
    const QString exact = placeWitness(pathDir, QStringLiteral("other.exe"));
    placeWitness(appDir, QStringLiteral("other"));
    EXPECT_EQ(runner.findProgram(QStringLiteral("other.exe"), workDir), inApp.chopped(4) + QStringLiteral("other"));
    EXPECT_EQ(runner.findProgram(QStringLiteral("other.exe"), pathDir), inApp.chopped(4) + QStringLiteral("other"));
    Q_UNUSED(exact);
}

TEST_F(ProcessRunnerTest, OnlyRealProgramsAreFound)
{
    QFile plain(appDir + QStringLiteral("/notes"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QDir().mkpath(appDir + QStringLiteral("/folder"));
    PosixProcessRunner runner(appDir);
    EXPECT_EQ(runner.findProgram(QStringLiteral("notes.exe"), workDir), QString());
    EXPECT_EQ(runner.findProgram(QStringLiteral("folder"), workDir), QString());
    EXPECT_EQ(runner.findProgram(QString(), workDir), QString());
}

TEST_F(ProcessRunnerTest, AMissingProgramOrFolderReturnsAtOnce)
{
    qputenv("PATH", "/nonexistent");
    PosixProcessRunner runner(appDir);
    const ProcessEnd missing = runner.execCmd(QStringLiteral("wrar.exe a -r -y -v1440000b -m3  c:\\Zavok001\\game.rar"), workDir);
    EXPECT_EQ(missing.kind, ProcessEnd::Kind::NotStarted);
    EXPECT_EQ(missing.program, QStringLiteral("wrar.exe"));
    EXPECT_TRUE(missing.describe().contains(QStringLiteral("on PATH"))) << missing.describe().toStdString();
    EXPECT_FALSE(runner.execCmd(QString(), workDir).started());
    EXPECT_FALSE(QFileInfo::exists(out));

    placeWitness(appDir, QStringLiteral("wrar"));
    const ProcessEnd noFolder = runner.execCmd(QStringLiteral("wrar.exe a"), root + QStringLiteral("/no such folder"));
    EXPECT_EQ(noFolder.kind, ProcessEnd::Kind::NotStarted);
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST_F(ProcessRunnerTest, AProgramNamedByPath)
{
    // A Windows program name cannot hold a quote; everything else goes.
    const QString program = placeWitness(makeFolder(QStringLiteral("tools $x;|&")), QStringLiteral("rec"));
    PosixProcessRunner runner(appDir);
    EXPECT_EQ(runner.findProgram(program + QStringLiteral(".exe"), root), program);
    runner.execCmd(WindowsCommandLine::quote(program) + QStringLiteral(" x"), root);
    const auto r = record();
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->args, (QStringList{program, "x"}));
    EXPECT_EQ(r->currentDir, root);
}

namespace {

// A console that only reads: the child's output, as it arrived.
class RecordingConsole : public ArchiverConsole
{
public:
    QByteArray output;
    QString title;
    bool cancelAtOnce = false;

    ProcessEnd watch(RunningChild& child) override
    {
        title = child.title();
        if (cancelAtOnce)
            child.cancel();
        for (;;) {
            output += child.readAvailable();
            if (const auto end = child.poll()) {
                output += child.readAvailable();
                return *end;
            }
            usleep(10000);
        }
    }
};

} // namespace

TEST_F(ProcessRunnerTest, WithAConsoleTheOutputGoesThroughAPipeAndTheArgumentsStayExact)
{
    placeWitness(appDir, QStringLiteral("wrar"));
    qputenv("ARGRECORDER_PRINT", "45%\r\n");
    RecordingConsole console;
    PosixProcessRunner runner(appDir);
    runner.setConsole(&console);
    const QString line = QStringLiteral("wrar.exe a -y \"c:\\Zavok001\\my game.rar\" $(rm -rf x) ; echo");
    const ProcessEnd end = runner.execCmd(line, workDir);
    qunsetenv("ARGRECORDER_PRINT");

    EXPECT_TRUE(end.succeeded());
    EXPECT_EQ(console.output, "45%\r\n45%\r\n") << "stdout and stderr both";
    EXPECT_EQ(console.title, "wrar - c:\\Zavok001\\my game.rar");
    const auto r = record();
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->args, WindowsCommandLine::split(line));
    EXPECT_EQ(r->currentDir, workDir);
}

TEST_F(ProcessRunnerTest, ACancelledChildEndsAndSaysItWasCancelled)
{
    placeWitness(appDir, QStringLiteral("wrar"));
    qputenv("ARGRECORDER_DELAY_MS", "20000");
    RecordingConsole console;
    console.cancelAtOnce = true;
    PosixProcessRunner runner(appDir);
    runner.setConsole(&console);
    QElapsedTimer timer;
    timer.start();
    const ProcessEnd end = runner.execCmd(QStringLiteral("wrar.exe a"), workDir);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(end.kind, ProcessEnd::Kind::Signalled);
    EXPECT_TRUE(end.cancelled);
    EXPECT_EQ(end.describe(), "was cancelled");
    EXPECT_FALSE(record().has_value()) << "it never got as far as its record";
}

TEST_F(ProcessRunnerTest, WithoutAWindowTheOutputIsPassedOnOrHeldBackAndItsPercentReported)
{
    int argc = 1;
    char name[] = "platform_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication events(argc, argv);
    placeWitness(appDir, QStringLiteral("wrar"));
    qputenv("ARGRECORDER_PRINT", "Creating a.rar\n  5%\r 45%\n");
    for (const bool passOn : {true, false}) {
        QByteArray passed;
        QList<int> percents;
        StreamArchiverConsole console(passOn ? StreamArchiverConsole::Sink([&](const QByteArray& b) { passed += b; })
                                             : StreamArchiverConsole::Sink());
        PosixProcessRunner runner(appDir);
        runner.setConsole(&console);
        runner.onPercent = [&](int percent) { percents << percent; };
        EXPECT_TRUE(runner.execCmd(QStringLiteral("wrar.exe a x"), workDir).succeeded());
        // Standard error went where the test's goes.
        EXPECT_EQ(passed, passOn ? QByteArray("Creating a.rar\n  5%\r 45%\n") : QByteArray());
        ASSERT_FALSE(percents.isEmpty());
        EXPECT_EQ(percents.last(), 45);
    }
    qunsetenv("ARGRECORDER_PRINT");
}

TEST_F(ProcessRunnerTest, AStopSignalEndsTheChildsGroupAndReachesTheEventLoop)
{
    int argc = 1;
    char name[] = "platform_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication loop(argc, argv);
    StopSignals stops;
    int heard = 0;
    QObject::connect(&stops, &StopSignals::stopRequested, [&heard](int signal) { heard = signal; });
    placeWitness(appDir, QStringLiteral("wrar"));
    qputenv("ARGRECORDER_DELAY_MS", "20000");
    PosixProcessRunner runner(appDir);
    // As from another terminal while the child runs: only zavok32 is named.
    std::thread later([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::kill(::getpid(), SIGTERM);
    });
    QElapsedTimer timer;
    timer.start();
    const ProcessEnd end = runner.execCmd(QStringLiteral("wrar.exe a"), workDir);
    later.join();
    qunsetenv("ARGRECORDER_DELAY_MS");
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(end.kind, ProcessEnd::Kind::Signalled);
    EXPECT_EQ(end.signal, SIGTERM);
    EXPECT_EQ(StopSignals::received(), SIGTERM);
    EXPECT_EQ(heard, 0) << "nothing happens inside the handler";
    QCoreApplication::processEvents();
    EXPECT_EQ(heard, SIGTERM);
    EXPECT_EQ(StopSignals::name(SIGHUP), "SIGHUP");
}
