#pragma once

#include <QString>

// Options > "&Recovery files...": how many ZIPs of a set its recovery files
// can rebuild, 0 for none (AppState::recoveryZips). Remembered in the
// application directory as "recovery.ini", which holds the number; no file
// means none.
class RecoveryOption
{
public:
    static constexpr int Most = 99;

    static int load(const QString& appDirHost);
    static bool save(const QString& appDirHost, int zips);
    static QString fileName() { return QStringLiteral("recovery.ini"); }
};
