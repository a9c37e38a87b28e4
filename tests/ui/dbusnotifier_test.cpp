#include "ui/dbusnotifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The desktop's notification service as a test plays it: it keeps what it
// is asked to show.
class NotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList shown;
public slots:
    Q_SCRIPTABLE uint Notify(const QString& appName, uint replacesId, const QString& icon, const QString& summary,
                             const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        Q_UNUSED(replacesId);
        Q_UNUSED(actions);
        Q_UNUSED(timeout);
        shown << appName + "|" + icon + "|" + summary + "|" + body + "|" + hints.value("desktop-entry").toString();
        return 1;
    }
};

} // namespace

TEST(DbusNotifier, TheNotificationReachesTheDesktopsServiceAndNothingHappensWithoutOne)
{
    // No bus at all: nothing to connect to, nothing started.
    QTemporaryDir runtime;
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    EXPECT_FALSE(DbusNotifier::sessionBusAvailable());
    DbusNotifier().notify("The set is ready", "nobody hears this");

    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
        GTEST_SKIP() << "no dbus-daemon to run a session bus";
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    ASSERT_TRUE(daemon.waitForReadyRead(5000));
    const QString address = QString::fromLocal8Bit(daemon.readLine()).trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toLocal8Bit());
    EXPECT_TRUE(DbusNotifier::sessionBusAvailable());
    // A bus without the service: the call goes nowhere, and nothing waits for it.
    DbusNotifier().notify("The set is ready", "nobody shows this");
    {
        QDBusConnection desktop = QDBusConnection::connectToBus(address, "desktop");
        ASSERT_TRUE(desktop.isConnected());
        NotificationService service;
        ASSERT_TRUE(desktop.registerService("org.freedesktop.Notifications"));
        ASSERT_TRUE(desktop.registerObject("/org/freedesktop/Notifications", &service, QDBusConnection::ExportScriptableSlots));

        DbusNotifier().notify("The set is ready", "12 ZIPs of quake2 in c:\\zips");
        for (int i = 0; i < 100 && service.shown.isEmpty(); ++i)
            QTest::qWait(20);
        ASSERT_EQ(service.shown.size(), 1);
        EXPECT_EQ(service.shown[0], QString("Zavok32|" ZAVOK32_APP_ID "|The set is ready|12 ZIPs of quake2 in c:\\zips|"
                                            ZAVOK32_APP_ID));
    }
    QDBusConnection::disconnectFromBus("desktop");
    daemon.terminate();
    daemon.waitForFinished(3000);
}

#include "dbusnotifier_test.moc"
