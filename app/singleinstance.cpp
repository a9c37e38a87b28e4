#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

const QByteArray kRestore = QByteArrayLiteral("restore\n");
const QByteArray kDone = QByteArrayLiteral("ok\n");

} // namespace

SingleInstance::SingleInstance(const QString& appDirHost, QObject* parent)
    : QObject(parent)
    , m_name(serverName(appDirHost))
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::serverName(const QString& appDirHost)
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    user.remove(QLatin1Char('/'));
    // The folder goes in as a hash: socket names are short and may not hold "/".
    const QByteArray dir = QDir::cleanPath(appDirHost).toUtf8();
    const QString hash = QString::fromLatin1(QCryptographicHash::hash(dir, QCryptographicHash::Sha1).toHex().left(16));
    return QStringLiteral("zavok32-") + user + QLatin1Char('-') + hash;
}

bool SingleInstance::askRunningCopyToRestore(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRestore);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // Wait until the window was restored, so this copy ends only after.
    while (socket.bytesAvailable() < kDone.size()) {
        if (!socket.waitForReadyRead(timeoutMs))
            break;
    }
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Nobody answered on the name (askRunningCopyToRestore failed), so the
        // socket file is a leftover of a copy that did not end cleanly.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() == kRestore) {
                    emit restoreRequested();
                    socket->write(kDone);
                    socket->flush();
                }
            });
        }
    });
    return true;
}
