#include "pipeline/setlock.h"

#include <QDir>
#include <QLockFile>
#include <QSysInfo>

#include <cerrno>
#include <csignal>

SetLock::SetLock() = default;

SetLock::~SetLock()
{
    release();
}

QString SetLock::fileName(const QString& baseName)
{
    return QLatin1Char('.') + baseName.toLower() + QStringLiteral(".zavok32-lock");
}

SetLock::Result SetLock::acquire(const QString& zipDirHost, const QString& baseName)
{
    release();
    m_holder.clear();
    m_error.clear();
    m_lock = std::make_unique<QLockFile>(QDir(zipDirHost).filePath(fileName(baseName)));
    // A run may take hours; only a lock whose process is gone is stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        m_held = true;
        return Result::Locked;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString application;
        if (m_lock->getLockInfo(&pid, &host, &application))
            m_holder = QStringLiteral("process %1 on %2").arg(pid).arg(host);
        else
            m_holder = QStringLiteral("another process");
        m_lock.reset();
        return Result::HeldElsewhere;
    }
    m_error = m_lock->error() == QLockFile::PermissionError ? QStringLiteral("no permission to write there")
                                                             : QStringLiteral("the lock file cannot be made there");
    m_lock.reset();
    return Result::Failed;
}

bool SetLock::isHeld(const QString& zipDirHost, const QString& baseName)
{
    QLockFile lock(QDir(zipDirHost).filePath(fileName(baseName)));
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application))
        return false;
    if (host != QSysInfo::machineHostName())
        return true; // nobody here can tell; the safe answer
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

void SetLock::release()
{
    if (m_lock && m_held)
        m_lock->unlock();
    m_lock.reset();
    m_held = false;
}
