#pragma once

#include "platform/desktopnotifier.h"

// Notifications through the freedesktop notification service
// (org.freedesktop.Notifications) on the session bus, which GNOME, KDE and
// the other desktops provide. The call is sent without waiting for an
// answer; with no session bus, or no service on it, nothing happens.
class DbusNotifier : public DesktopNotifier
{
public:
    void notify(const QString& title, const QString& body) override;

    // Whether there is a session bus to talk to: its address is set, or the
    // per-user bus of the login session is there. Without one, connecting
    // could start a bus of its own that outlives the program.
    static bool sessionBusAvailable();
};
