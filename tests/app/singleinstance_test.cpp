#include "app/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstring>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Asks from another thread, as a second process would, while this thread's
// event loop lets the first copy answer.
bool askFromAnotherThread(const QString& appDir)
{
    bool answered = false;
    QThread* thread = QThread::create([&] {
        SingleInstance second(appDir);
        answered = second.askRunningCopyToRestore(3000);
    });
    thread->start();
    while (!thread->isFinished())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    thread->wait();
    delete thread;
    return answered;
}

} // namespace

TEST(SingleInstance, NamesDependOnTheApplicationDirectory)
{
    EXPECT_NE(SingleInstance::serverName("/tmp/a"), SingleInstance::serverName("/tmp/b"));
    EXPECT_EQ(SingleInstance::serverName("/tmp/a/"), SingleInstance::serverName("/tmp/a"));
    EXPECT_FALSE(SingleInstance::serverName("/tmp/a").contains('/'));
}

TEST(SingleInstance, ASecondCopyMakesTheFirstRestoreItsWindow)
{
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    EXPECT_FALSE(first.askRunningCopyToRestore(200));
    ASSERT_TRUE(first.listen());
    QSignalSpy restored(&first, &SingleInstance::restoreRequested);
    EXPECT_TRUE(askFromAnotherThread(dir.path()));
    EXPECT_EQ(restored.count(), 1);

    QTemporaryDir other;
    EXPECT_FALSE(askFromAnotherThread(other.path())) << "another application directory is another program";
}

TEST(SingleInstance, ASocketLeftByACrashDoesNotBlockTheNextStart)
{
    QTemporaryDir dir;
    const QString name = SingleInstance::serverName(dir.path());
    // A socket file that nobody listens on, as a killed copy leaves it.
    const QByteArray path = QFile::encodeName(QDir::tempPath() + "/" + name);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(QString::fromLocal8Bit(path)));

    SingleInstance next(dir.path());
    EXPECT_FALSE(next.askRunningCopyToRestore(200));
    EXPECT_TRUE(next.listen());
    QSignalSpy restored(&next, &SingleInstance::restoreRequested);
    EXPECT_TRUE(askFromAnotherThread(dir.path()));
    EXPECT_EQ(restored.count(), 1);
}

TEST(SingleInstance, AScriptHandedOverArrivesWholeOrIsRefusedWhenTheFirstCopyIsBusy)
{
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    ASSERT_TRUE(first.listen());
    QSignalSpy restored(&first, &SingleInstance::restoreRequested);
    QStringList handed;
    bool busy = false;
    first.acceptScript = [&](const QString& script) {
        handed << script;
        return !busy;
    };
    const auto handOver = [&](const QString& script) {
        SingleInstance::Handover answer = SingleInstance::Handover::NoCopy;
        QThread* thread = QThread::create([&] { answer = SingleInstance(dir.path()).handScriptToRunningCopy(script, 3000); });
        thread->start();
        while (!thread->isFinished())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        thread->wait();
        delete thread;
        return answer;
    };
    // Any byte a path may hold, a line end and a percent sign included.
    const QString odd = QString::fromUtf8("/home/me/jobs\n%20 \xc3\xa9t\xc3\xa9/game.zvk");
    EXPECT_EQ(handOver(odd), SingleInstance::Handover::Opened);
    busy = true;
    EXPECT_EQ(handOver("c:\\job.zvk"), SingleInstance::Handover::Refused);
    EXPECT_EQ(handed, (QStringList{odd, "c:\\job.zvk"}));
    EXPECT_EQ(restored.count(), 2) << "the window comes forward either way";

    QTemporaryDir nobody;
    EXPECT_EQ(SingleInstance(nobody.path()).handScriptToRunningCopy("c:\\job.zvk", 200), SingleInstance::Handover::NoCopy);
}
