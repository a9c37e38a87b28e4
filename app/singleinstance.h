#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLocalServer;
class QLocalSocket;

// One copy of the program per user and application directory. The first
// copy listens on a local socket; a later copy asks it to bring its window
// back, or hands it a script to open, and then ends. A socket left behind by
// a copy that crashed answers nobody and is replaced.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString& appDirHost, QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString serverName(const QString& appDirHost);

    // True when a running copy answered and was asked to restore its window.
    bool askRunningCopyToRestore(int timeoutMs = 2000);

    enum class Handover {
        NoCopy,  // nobody is running: this copy goes on
        Opened,  // the running copy opens the script in its window
        Refused, // the running copy is busy (a run, a dialog) or did not answer in time
    };
    // Asks a running copy to bring its window back and open the script
    // (as its command-line argument reads: a host or drive-letter path).
    Handover handScriptToRunningCopy(const QString& script, int timeoutMs = 2000);

    // In the running copy: whether it takes a script handed over now. It
    // answers at once and opens the script later, so the second copy never
    // waits for a dialog. Unset: every script is refused.
    std::function<bool(const QString& script)> acceptScript;
    // Starts listening; false when the socket cannot be made (the program
    // then runs without the single-instance guard).
    bool listen();

signals:
    void restoreRequested();

private:
    // Sends one request and reads one answer line (empty when the copy did
    // not answer in time); none when no copy is listening.
    // The answer may take longer than the connection: a copy that took the
    // request is alive, and opening a script reads it first.
    std::optional<QByteArray> ask(const QByteArray& request, int timeoutMs, int answerTimeoutMs);
    void answer(QLocalSocket* socket);

    QString m_name;
    QLocalServer* m_server = nullptr;
};
