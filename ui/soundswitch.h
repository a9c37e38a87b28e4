#pragma once

#include <QString>

struct AppState;

// Options > "Soun&ds": the switch lives in AppState and is remembered by the
// marker file "sounds.ini" in the application directory (present: off).
class SoundSwitch
{
public:
    SoundSwitch(AppState& app, QString appDirHost);

    // Start-up: a marker left by an earlier session switches sounds off.
    void load();
    // The menu command.
    void toggle();

    static QString markerName() { return QStringLiteral("sounds.ini"); }

private:
    QString markerPath() const;

    AppState& m_app;
    QString m_appDirHost;
};
