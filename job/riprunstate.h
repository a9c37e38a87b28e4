#pragma once

#include <QDateTime>
#include <QString>

// The state of one run. There is one for the life of the application; its
// flags and counters are cleared at every end of a run, while
// threeDigitNumbering always holds the latest estimate.
struct RipRunState {
    QString workDirectory;
    QString archiveExtension;
    QString archivePath;
    QString volumeSwitch;
    QString skipSwitch;
    QString listFileArgument;
    bool threeDigitNumbering = false;
    qint16 volumeCount = 0;
    qint16 currentVolume = 0;
    bool numberingChecked = false;
    bool dizPreviewMode = false;
    QString savedSourceText;
    bool sourceTextSaved = false;
    QString dateText;
    QString zipNumberText;
    QString nfoFileName;
    // When the run began (a continued run: the interrupted one), to the
    // second: the ZIPs' entry times and the date of dated names come from it.
    QDateTime runStarted;
    // The report's line on the recovery files the run wrote; empty: none.
    QString recoveryText;

    void clearAfterRun();
};
