#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <algorithm>

namespace {

// One line each way. A script goes as "open " and its path in UTF-8,
// percent-encoded so that no byte of a path can end the line.
const QByteArray kRestore = QByteArrayLiteral("restore\n");
const QByteArray kOpen = QByteArrayLiteral("open ");
const QByteArray kDone = QByteArrayLiteral("ok\n");
const QByteArray kOpened = QByteArrayLiteral("opened\n");
const QByteArray kBusy = QByteArrayLiteral("busy\n");

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

std::optional<QByteArray> SingleInstance::ask(const QByteArray& request, int timeoutMs, int answerTimeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return std::nullopt;
    socket.write(request);
    if (!socket.waitForBytesWritten(timeoutMs))
        return QByteArray();
    // Wait for the answer, so this copy ends only once the window was restored.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(answerTimeoutMs))
            break;
    }
    const QByteArray answer = socket.canReadLine() ? socket.readLine() : QByteArray();
    socket.disconnectFromServer();
    return answer;
}

bool SingleInstance::askRunningCopyToRestore(int timeoutMs)
{
    return ask(kRestore, timeoutMs, timeoutMs).has_value();
}

SingleInstance::Handover SingleInstance::handScriptToRunningCopy(const QString& script, int timeoutMs)
{
    const auto answer = ask(kOpen + script.toUtf8().toPercentEncoding() + '\n', timeoutMs, std::max(timeoutMs, 30000));
    if (!answer)
        return Handover::NoCopy;
    return *answer == kOpened ? Handover::Opened : Handover::Refused;
}

void SingleInstance::answer(QLocalSocket* socket)
{
    while (socket->canReadLine()) {
        const QByteArray request = socket->readLine();
        QByteArray reply;
        if (request == kRestore) {
            emit restoreRequested();
            reply = kDone;
        } else if (request.startsWith(kOpen) && request.endsWith('\n')) {
            const QString script = QString::fromUtf8(QByteArray::fromPercentEncoding(request.mid(kOpen.size()).chopped(1)));
            emit restoreRequested();
            reply = acceptScript && acceptScript(script) ? kOpened : kBusy;
        } else {
            continue;
        }
        socket->write(reply);
        socket->flush();
    }
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
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
    return true;
}
