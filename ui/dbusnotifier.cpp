#include "ui/dbusnotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QVariantMap>

bool DbusNotifier::sessionBusAvailable()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

void DbusNotifier::notify(const QString& title, const QString& body)
{
    if (!sessionBusAvailable())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                                       QStringLiteral("/org/freedesktop/Notifications"),
                                                       QStringLiteral("org.freedesktop.Notifications"),
                                                       QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral(ZAVOK32_APP_ID));
    call << QStringLiteral("Zavok32") << uint(0) << QStringLiteral(ZAVOK32_APP_ID) << title << body << QStringList()
         << hints << int(-1);
    // No answer is awaited: a desktop without the service answers with an
    // error that nobody needs to read.
    bus.send(call);
}
