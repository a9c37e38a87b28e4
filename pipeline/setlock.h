#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Keeps two runs from writing one set at the same time. The lock is a file in
// the ZIP folder itself, named after the base name, so every run aimed at that
// folder meets it, whatever application directory or drive letters it uses;
// different base names in one folder do not get in each other's way. A lock
// left by a run that was killed is taken over once its process is gone.
class SetLock
{
public:
    enum class Result {
        Locked,       // this run holds the lock until release()
        HeldElsewhere, // another live run holds it; holder() says which
        Failed,       // the folder cannot take the lock file; error() says why
    };

    SetLock();
    ~SetLock();
    SetLock(const SetLock&) = delete;
    SetLock& operator=(const SetLock&) = delete;

    Result acquire(const QString& zipDirHost, const QString& baseName);
    void release();
    bool held() const { return m_held; }

    // "process 1234 on host box", for the message that refuses a second run.
    QString holder() const { return m_holder; }
    QString error() const { return m_error; }

    // The lock file's name in the ZIP folder: hidden, and not matched by the
    // base name's duplicate pattern (base + "*").
    static QString fileName(const QString& baseName);
    // Whether a live run (of any application directory, on this machine)
    // holds the set's lock now; nothing is taken or changed.
    static bool isHeld(const QString& zipDirHost, const QString& baseName);

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
    QString m_holder;
    QString m_error;
};
