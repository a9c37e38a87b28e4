#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One copy of the program per user and application directory. The first
// copy listens on a local socket; a later copy asks it to bring its window
// back and then ends. A socket left behind by a copy that crashed answers
// nobody and is replaced.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString& appDirHost, QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString serverName(const QString& appDirHost);

    // True when a running copy answered and was asked to restore its window.
    bool askRunningCopyToRestore(int timeoutMs = 2000);
    // Starts listening; false when the socket cannot be made (the program
    // then runs without the single-instance guard).
    bool listen();

signals:
    void restoreRequested();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};
