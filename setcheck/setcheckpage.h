#pragma once

#include "setcheck/setcheckresult.h"
#include "setcheck/setcheckview.h"

#include <QList>
#include <QString>
#include <functional>

class VolumeSetTester;
class ZipReader;
struct Services;

// The Check a set window's logic: the user names a ZIP of a set, its .sfv
// or .sha256, or its folder; the set is found and checked, each ZIP a row.
// The check lets window events run as it reads, so "&Stop" works. Nothing
// is ever written.
class SetCheckPage
{
public:
    SetCheckPage(Services& services, ZipReader& reader, VolumeSetTester* tester);

    const SetCheckView& view() const { return m_view; }
    const QList<SetCheckResult>& results() const { return m_results; }
    // Runs after every change of the view.
    std::function<void()> changed;

    // Whether the recovery files beside the sets can rebuild what a check
    // found lost ("&Repair" shows when they can), and the rebuilding, which
    // reports its progress (false: stop) and returns what it did, a line
    // each. Both use SetRepair unless a caller gives its own.
    using RepairProgress = std::function<bool(const QString& status, int percent)>;
    std::function<bool(const QList<SetCheckResult>&)> repairAvailable;
    std::function<QString(const QList<SetCheckResult>&, const RepairProgress&)> repair;

    // The window opens at a folder (DOS path; the job's ZIP folder), which
    // the choosers start in.
    void open(const QString& startDos);
    // "&File...": a ZIP, .sfv or .sha256; "F&older...": a folder of ZIPs.
    void chooseFile();
    void chooseFolder();
    // "Check &again", "&Stop", "&Repair".
    void checkAgain();
    void stop();
    void repairSet();

    // Checks what a DOS path names.
    void check(const QString& dosPath);

    static QString hintText();

private:
    void notify();
    void showResults(const QString& problem);

    Services& m_services;
    ZipReader& m_reader;
    VolumeSetTester* m_tester;
    SetCheckView m_view;
    QList<SetCheckResult> m_results;
    QString m_startDos;
    QString m_checkedDos;
    QString m_repairNote; // what the last repair did, shown above the next summary
    bool m_stop = false;
};
