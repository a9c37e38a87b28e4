#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// One line of the Check a set window's list.
struct SetCheckRow {
    enum class Tone { Good, Bad, Foreign };
    QString name;   // "game03.zip"
    QString state;  // "sound", "missing", "damaged", "of another set"
    QString detail; // what is wrong
    Tone tone = Tone::Good;
};

// Everything the Check a set window shows; SetCheckPage fills it.
struct SetCheckView {
    QString title = QCoreApplication::translate("SetCheckView", "Check a set");
    QString pathText; // what is checked, as the user chose it
    QString hint;     // what to choose, before anything is
    QList<SetCheckRow> rows;
    QString summary; // a line per set
    bool summaryGood = false;
    bool busy = false;
    int progress = 0;
    QString status; // the file at work
    bool chooseEnabled = true;     // "&File...", "F&older..."
    bool checkAgainEnabled = false; // "Check &again"
    bool stopEnabled = false;       // "&Stop"
    // "&Repair": shown where something can repair what the check found.
    bool repairShown = false;
    bool repairEnabled = false;
};
