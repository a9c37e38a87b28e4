#include "pipeline/setlock.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(SetLockTest, TheFileHoldsOnlyTheProcessAndItsStartTime)
{
    QTemporaryDir dir;
    SetLock lock;
    ASSERT_EQ(lock.acquire(dir.path(), "Game"), SetLock::Result::Locked);
    const QString path = dir.path() + "/.game.zavok32-lock";
    const QByteArray content = readFile(path);
    const auto start = SetLock::startTimeOf(::getpid());
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(content, QByteArray::number(::getpid()) + ' ' + QByteArray::number(*start) + '\n');
    char host[256] = {};
    ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
    EXPECT_FALSE(content.contains(host));
    QFile machineId("/etc/machine-id");
    if (machineId.open(QIODevice::ReadOnly)) {
        EXPECT_FALSE(content.contains(machineId.readAll().trimmed()));
    }

    // A second holder, even in this process, is refused and told who holds it.
    SetLock second;
    EXPECT_EQ(second.acquire(dir.path(), "game"), SetLock::Result::HeldElsewhere);
    EXPECT_EQ(second.holder(), QStringLiteral("process %1").arg(::getpid()));
    lock.release();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SetLockTest, ALeftoverIsTakenOverOnlyWhenItsProcessIsGone)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/.game.zavok32-lock";
    const QByteArray self = QByteArray::number(::getpid());
    const QByteArray start = QByteArray::number(*SetLock::startTimeOf(::getpid()));
    struct Case {
        QByteArray content;
        SetLock::Result expected;
    };
    const Case cases[] = {
        {self + ' ' + start + '\n', SetLock::Result::HeldElsewhere},
        // The same number given to a later process is not the holder.
        {self + ' ' + QByteArray::number(start.toULongLong() + 1) + '\n', SetLock::Result::Locked},
        {"999999999 12345\n", SetLock::Result::Locked},
        // An older version's lock: the process id, then its name and host.
        {self + "\nzavok32\nsomehost\n", SetLock::Result::HeldElsewhere},
        {"999999999\nzavok32\nsomehost\n", SetLock::Result::Locked},
        {"garbage", SetLock::Result::Locked},
        // Made a moment ago and not written yet: its maker is at it.
        {"", SetLock::Result::HeldElsewhere},
    };
    for (const Case& c : cases) {
        writeFile(path, c.content);
        SetLock lock;
        EXPECT_EQ(lock.acquire(dir.path(), "game"), c.expected) << c.content.toStdString();
        if (c.expected == SetLock::Result::Locked) {
            EXPECT_EQ(readFile(path), SetLock::content());
        }
        lock.release();
        QFile::remove(path);
    }
}
