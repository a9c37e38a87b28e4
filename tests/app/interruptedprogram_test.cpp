#include "doubles/temphome.h"

#include "pipeline/setlock.h"
#include "resume/runjournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

constexpr qint64 kStart = 944607600; // SOURCE_DATE_EPOCH of the runs compared

// The built program on the example job with 9 MB more to pack (some twenty
// volumes of 500,000 bytes), killed part way and run again.
struct Interrupted : ::testing::Test {
    TempHome home;
    QString driveE;
    QString script;

    void SetUp() override
    {
        driveE = home.addExampleDrive(9000000, 99);
        script = QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk";
    }

    QProcessEnvironment environment(bool fixedStart) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ZAVOK32_HOME", home.home());
        env.remove("SOURCE_DATE_EPOCH");
        if (fixedStart)
            env.insert("SOURCE_DATE_EPOCH", QString::number(kStart));
        return env;
    }
    void start(QProcess& program, bool fixedStart) const
    {
        program.setProcessEnvironment(environment(fixedStart));
        program.start(QStringLiteral(ZAVOK32_TEST_BIN_DIR) + "/zavok32", {"!" + script});
        ASSERT_TRUE(program.waitForStarted());
    }
    int runToEnd(bool fixedStart, QString* out = nullptr)
    {
        QProcess program;
        start(program, fixedStart);
        if (!program.waitForFinished(240000))
            program.kill();
        if (out)
            *out = QString::fromLocal8Bit(program.readAllStandardOutput() + program.readAllStandardError());
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }

    QString zipsHost() const { return driveE + "/zips"; }
    QStringList zips() const { return QDir(zipsHost()).entryList({"*.zip"}, QDir::Files, QDir::Name); }
    QMap<QString, QByteArray> zipBytes() const
    {
        QMap<QString, QByteArray> all;
        for (const QString& name : zips()) {
            QFile f(zipsHost() + "/" + name);
            f.open(QIODevice::ReadOnly);
            all[name] = f.readAll();
        }
        return all;
    }
    // The newest work folder on c: and its journal.
    QString workFolder() const
    {
        const QStringList names = QDir(home.host("c:\\")).entryList({"Zavok*"}, QDir::Dirs, QDir::Name);
        return names.isEmpty() ? QString() : home.host("c:\\") + "/" + names.last();
    }
    // Processes this test's runs started that are still alive: every one
    // carries its ZAVOK32_HOME.
    QStringList survivors() const
    {
        QStringList found;
        const QByteArray mark = "ZAVOK32_HOME=" + home.home().toLocal8Bit();
        for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
            if (pid.toInt() <= 0 || pid.toInt() == QCoreApplication::applicationPid())
                continue;
            QFile env("/proc/" + pid + "/environ");
            if (env.open(QIODevice::ReadOnly) && env.readAll().split('\0').contains(mark)) {
                QFile status("/proc/" + pid + "/status");
                status.open(QIODevice::ReadOnly);
                if (!status.readAll().contains("State:\tZ"))
                    found << pid;
            }
        }
        return found;
    }
    static qint64 inodeOf(const QString& path)
    {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? qint64(st.st_ino) : -1;
    }
};

} // namespace

TEST_F(Interrupted, KilledAnywhereTheNextRunMakesTheSameSetWithoutOrphansOrZipsMadeTwice)
{
    // One uninterrupted run: the set every other run must come to.
    QString said;
    ASSERT_EQ(runToEnd(true, &said), 0) << said.toStdString();
    const QMap<QString, QByteArray> reference = zipBytes();
    ASSERT_GE(reference.size(), 15);
    const QString unpacked = home.dir.path() + "/unpacked";
    for (const QString& zip : reference.keys()) {
        ASSERT_EQ(QProcess::execute("unzip", {"-tqq", zipsHost() + "/" + zip}), 0) << zip.toStdString();
        ASSERT_EQ(QProcess::execute("unzip", {"-oqq", zipsHost() + "/" + zip, "-d", unpacked}), 0);
    }
    ASSERT_EQ(QProcess::execute("7z", {"x", "-y", "-bd", "-bso0", "-o" + unpacked + "/set", unpacked + "/demo.rar"}), 0);
    for (const char* file : {"readme.txt", "data/levels.dat"}) {
        QFile a(driveE + "/demo/" + file), b(unpacked + "/set/" + file);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << file;
        EXPECT_TRUE(a.readAll() == b.readAll()) << file;
    }

    // Where the kill lands: while the archiver writes its volumes, or while
    // the ZIPs are made, counted by what is on disk.
    const auto volumes = [this](int n) {
        return [this, n] {
            const QString work = workFolder();
            const auto journal = work.isEmpty() ? std::nullopt : RunJournal::read(work);
            // (Should the archiver be quicker than this loop, the kill lands
            // just after it.)
            return journal && (journal->setWhole || QDir(work).entryList(QDir::Files).size() >= n + 1);
        };
    };
    const auto zipsDone = [this](int n) { return [this, n] { return zips().size() >= n; }; };
    const auto zipBegun = [this] { return !QDir(zipsHost()).entryList({"*.unfinished-*"}, QDir::Files | QDir::Hidden).isEmpty(); };
    const struct {
        const char* where;
        std::function<bool()> reached;
        int signal;
    } points[] = {
        {"archiver, 1st volume", volumes(1), SIGKILL},  {"archiver, 4th volume", volumes(4), SIGTERM},
        {"archiver, 9th volume", volumes(9), SIGINT},   {"first ZIP being written", zipBegun, SIGTERM},
        {"2 ZIPs done", zipsDone(2), SIGKILL},          {"5 ZIPs done", zipsDone(5), SIGINT},
        {"9 ZIPs done", zipsDone(9), SIGTERM},          {"12 ZIPs done", zipsDone(12), SIGKILL},
        {"14 ZIPs done", zipsDone(14), SIGINT},         {"all but the last", zipsDone(int(reference.size()) - 1), SIGTERM},
    };
    for (const auto& point : points) {
        SCOPED_TRACE(point.where);
        QDir(zipsHost()).removeRecursively();
        QDir().mkpath(zipsHost());
        for (const QString& work : QDir(home.host("c:\\")).entryList({"Zavok*"}, QDir::Dirs))
            QDir(home.host("c:\\") + "/" + work).removeRecursively();

        QProcess program;
        start(program, true);
        QElapsedTimer waited;
        waited.start();
        while (!point.reached() && program.state() == QProcess::Running && waited.elapsed() < 120000)
            QThread::usleep(500);
        ASSERT_EQ(program.state(), QProcess::Running) << "the run ended before the point was reached";
        ::kill(pid_t(program.processId()), point.signal);
        ASSERT_TRUE(program.waitForFinished(30000));
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        if (point.signal == SIGKILL) {
            EXPECT_EQ(program.exitStatus(), QProcess::CrashExit);
        } else {
            EXPECT_EQ(program.exitCode(), 128 + point.signal) << errors.toStdString();
            const QStringList lines = errors.split('\n', Qt::SkipEmptyParts);
            ASSERT_FALSE(lines.isEmpty());
            EXPECT_TRUE(lines.last().startsWith(point.signal == SIGTERM ? "zavok32: stopped by SIGTERM: "
                                                                        : "zavok32: stopped by SIGINT: "))
                << errors.toStdString();
            EXPECT_TRUE(QDir(zipsHost()).entryList({"*.unfinished-*"}, QDir::Files | QDir::Hidden).isEmpty())
                << "the ZIP being written is removed";
            EXPECT_FALSE(SetLock::isHeld(zipsHost(), "demo"));
        }
        for (int i = 0; i < 300 && !survivors().isEmpty(); ++i)
            QThread::msleep(10);
        EXPECT_EQ(survivors(), QStringList()) << "no archiver outlives zavok32";

        // What the journal calls complete must not be made again.
        const auto journal = RunJournal::read(workFolder());
        QMap<QString, qint64> complete;
        for (const RunJournal::Zip& zip : journal ? journal->zips : QList<RunJournal::Zip>())
            complete[zip.name] = inodeOf(zipsHost() + "/" + zip.name);
        const bool continues = journal && journal->setWhole;

        // A run that goes on from the journal takes its start time from it;
        // one that starts afresh is given the same start as the reference.
        QString out;
        EXPECT_EQ(runToEnd(!continues, &out), 0) << out.toStdString();
        EXPECT_EQ(out.contains("zavok32: continuing the interrupted run"), continues) << out.toStdString();
        EXPECT_EQ(zipBytes(), reference);
        for (auto it = complete.cbegin(); it != complete.cend(); ++it)
            EXPECT_EQ(inodeOf(zipsHost() + "/" + it.key()), it.value()) << it.key().toStdString() << " was made again";
        EXPECT_EQ(survivors(), QStringList());
    }
}
