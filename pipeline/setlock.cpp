#include "pipeline/setlock.h"

#include "platform/ownworkingfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A lock file with nothing in it yet may be one that its maker is about to
// write; only one this much older is taken for a leftover.
constexpr time_t kUnwrittenGraceSeconds = 10;

bool lockedByOther(int fd)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return false;
    return errno == EWOULDBLOCK;
}

QByteArray readAll(int fd)
{
    QByteArray bytes;
    char buffer[256];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0 || bytes.size() > 4096)
            return bytes;
        bytes.append(buffer, n);
    }
}

} // namespace

SetLock::~SetLock()
{
    release();
}

QString SetLock::fileName(const QString& baseName)
{
    return QLatin1Char('.') + baseName.toLower() + QLatin1String(OwnWorkingFiles::kSetLockSuffix);
}

std::optional<quint64> SetLock::startTimeOf(qint64 pid)
{
    if (pid <= 0)
        return std::nullopt;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = stat.readAll();
    // The command name in parentheses may hold blanks and parentheses of its
    // own; the fields after the last ')' start with the third, the state.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    constexpr int kStartTimeField = 22 - 3;
    if (fields.size() <= kStartTimeField)
        return std::nullopt;
    bool ok = false;
    const quint64 start = fields[kStartTimeField].toULongLong(&ok);
    return ok ? std::optional(start) : std::nullopt;
}

QByteArray SetLock::content()
{
    const qint64 pid = ::getpid();
    return QByteArray::number(pid) + ' ' + QByteArray::number(startTimeOf(pid).value_or(0)) + '\n';
}

std::optional<SetLock::Holder> SetLock::parse(const QByteArray& content)
{
    const qsizetype end = content.indexOf('\n');
    if (end < 0)
        return std::nullopt;
    const QList<QByteArray> fields = content.left(end).split(' ');
    Holder holder;
    bool ok = false;
    holder.pid = fields[0].toLongLong(&ok);
    if (!ok || holder.pid <= 0)
        return std::nullopt;
    if (fields.size() == 2) {
        const quint64 start = fields[1].toULongLong(&ok);
        if (ok && start > 0)
            holder.startTime = start;
    }
    return holder;
}

SetLock::Look SetLock::lookAtExisting(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Look::Gone : Look::Live;
    const QByteArray bytes = readAll(fd);
    const auto holder = parse(bytes);
    if (holder)
        m_holder = QCoreApplication::translate("SetLock", "process %1").arg(holder->pid);
    else
        m_holder = QCoreApplication::translate("SetLock", "another process");

    bool live = lockedByOther(fd);
    if (!live && holder) {
        const auto start = startTimeOf(holder->pid);
        if (holder->startTime)
            live = start == holder->startTime;
        else
            live = start.has_value() || (::kill(pid_t(holder->pid), 0) == 0 || errno == EPERM);
    }
    struct stat opened {};
    struct stat named {};
    const bool statted = ::fstat(fd, &opened) == 0;
    if (!live && !holder && bytes.isEmpty() && statted && std::time(nullptr) - opened.st_mtime < kUnwrittenGraceSeconds)
        live = true;
    if (live) {
        ::close(fd);
        return Look::Live;
    }
    // Stale. It is removed while this process holds its flock, and only if
    // the name still leads to it: another run may have taken it over meanwhile.
    if (statted && ::stat(path.constData(), &named) == 0 && named.st_dev == opened.st_dev
        && named.st_ino == opened.st_ino)
        ::unlink(path.constData());
    ::close(fd);
    return Look::Stale;
}

SetLock::Result SetLock::acquire(const QString& zipDirHost, const QString& baseName)
{
    release();
    m_holder.clear();
    m_error.clear();
    const QByteArray path = QFile::encodeName(QDir(zipDirHost).filePath(fileName(baseName)));
    // A stale lock is removed and the file made again; a run that loses that
    // race to another finds the other's live lock on the next pass.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            // Waits only while another run looks at the new file. Where the
            // file system has no such locks the process id alone tells.
            while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
            }
            const QByteArray bytes = content();
            if (::write(fd, bytes.constData(), size_t(bytes.size())) != ssize_t(bytes.size())) {
                m_error = QCoreApplication::translate("SetLock", "the lock file cannot be written there");
                ::unlink(path.constData());
                ::close(fd);
                return Result::Failed;
            }
            m_fd = fd;
            m_path = path;
            return Result::Locked;
        }
        if (errno != EEXIST) {
            m_error = errno == EACCES || errno == EPERM || errno == EROFS
                ? QCoreApplication::translate("SetLock", "no permission to write there")
                : QCoreApplication::translate("SetLock", "the lock file cannot be made there");
            return Result::Failed;
        }
        if (lookAtExisting(path) == Look::Live)
            return Result::HeldElsewhere;
    }
    if (m_holder.isEmpty())
        m_holder = QCoreApplication::translate("SetLock", "another process");
    return Result::HeldElsewhere;
}

bool SetLock::isHeld(const QString& zipDirHost, const QString& baseName)
{
    const QByteArray path = QFile::encodeName(QDir(zipDirHost).filePath(fileName(baseName)));
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno != ENOENT;
    const QByteArray bytes = readAll(fd);
    const auto holder = parse(bytes);
    // The flock taken here to look is dropped with the descriptor.
    bool live = lockedByOther(fd);
    if (!live && holder) {
        const auto start = startTimeOf(holder->pid);
        live = holder->startTime ? start == holder->startTime
                                 : start.has_value() || ::kill(pid_t(holder->pid), 0) == 0 || errno == EPERM;
    }
    struct stat opened {};
    if (!live && !holder && bytes.isEmpty() && ::fstat(fd, &opened) == 0)
        live = std::time(nullptr) - opened.st_mtime < kUnwrittenGraceSeconds;
    ::close(fd);
    return live;
}

void SetLock::release()
{
    if (m_fd < 0)
        return;
    ::unlink(m_path.constData());
    ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}
