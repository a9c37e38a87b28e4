#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Keeps two runs from writing one set at the same time. The lock is a file in
// the ZIP folder itself, named after the base name, so every run aimed at that
// folder meets it, whatever application directory or drive letters it uses;
// different base names in one folder do not get in each other's way. A lock
// left by a run that was killed is taken over once its process is gone.
//
// The file holds only what tells another run whether its holder still runs:
// "<pid> <start time>\n", the start time being the process's start in clock
// ticks after boot (/proc/<pid>/stat), so that a new process that happens to
// get the same number is not taken for the holder. It names no host, machine
// or boot: the file lies among the ZIPs and may leave with them. The holder
// also keeps an flock() on the file, which the system drops when the process
// ends however it ends, and which file systems shared between machines pass
// on; a lock is stale only when that lock is free and its process is gone.
class SetLock
{
public:
    enum class Result {
        Locked,       // this run holds the lock until release()
        HeldElsewhere, // another live run holds it; holder() says which
        Failed,       // the folder cannot take the lock file; error() says why
    };

    SetLock() = default;
    ~SetLock();
    SetLock(const SetLock&) = delete;
    SetLock& operator=(const SetLock&) = delete;

    Result acquire(const QString& zipDirHost, const QString& baseName);
    void release();
    bool held() const { return m_fd >= 0; }

    // "process 1234", for the message that refuses a second run.
    QString holder() const { return m_holder; }
    QString error() const { return m_error; }

    // The lock file's name in the ZIP folder: hidden, and not matched by the
    // base name's duplicate pattern (base + "*").
    static QString fileName(const QString& baseName);
    // Whether a live run (of any application directory, on this machine)
    // holds the set's lock now; nothing is taken or changed.
    static bool isHeld(const QString& zipDirHost, const QString& baseName);

    // What the file says of its holder; none for a file that does not have
    // this form (one being written, or made by an older version, which gives
    // only the process id on its first line).
    struct Holder {
        qint64 pid = 0;
        std::optional<quint64> startTime;
    };
    static std::optional<Holder> parse(const QByteArray& content);
    // This process as the file names it.
    static QByteArray content();
    // The start time of a running process, none when there is no such process
    // (or no /proc to ask).
    static std::optional<quint64> startTimeOf(qint64 pid);

private:
    enum class Look { Live, Stale, Gone };
    Look lookAtExisting(const QByteArray& path);

    int m_fd = -1;
    QByteArray m_path;
    QString m_holder;
    QString m_error;
};
