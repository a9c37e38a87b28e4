#pragma once

#include <QString>

// An Options switch that is on until the user turns it off, remembered as
// the sound switch is: a marker file in the application directory whose
// presence means off ("verify.ini", "checksum.ini").
class MarkerSwitch
{
public:
    MarkerSwitch(bool& flag, QString appDirHost, QString markerName);

    // Start-up: a marker left by an earlier session switches it off.
    void load();
    // The menu command.
    void toggle();

private:
    QString markerPath() const;

    bool& m_flag;
    QString m_appDirHost;
    QString m_marker;
};
