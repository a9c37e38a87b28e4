#pragma once

#include <QString>

// The desktop's notifications: a short message in the corner of the screen
// for a user who is looking at another window. Where the desktop has no
// notification service, nothing is shown and nothing is reported.
class DesktopNotifier
{
public:
    virtual ~DesktopNotifier() = default;
    virtual void notify(const QString& title, const QString& body) = 0;
};
