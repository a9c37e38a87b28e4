#pragma once

#include <QString>
#include <QStringList>

// What a run that did not reach its end leaves behind, and the words that
// tell the user: on the run page, as the one line on stderr that an
// unattended run or a stop signal ends with, and in the question that offers
// to continue.
struct Leftovers {
    QString workDos;  // c:\Zavok001
    QString workHost; // where that is on this machine
    // Files still in the work folder (the journal's left out) and their bytes.
    int volumes = 0;
    qint64 bytes = 0;
    // The archiver finished the set: its volumes can still become ZIPs.
    bool setWhole = false;
    // The set's ZIPs: how many it has in all, and the complete ones in order.
    int zipCount = 0;
    QStringList zipsDone;
    QString zipDirectory;
    // A run of the same job picks up where this one stopped.
    bool continuable = false;
    // The unattended command line rather than the window's Zavok!.
    bool unattended = false;

    // The files of a work folder as they are now (volumes and bytes).
    void countWorkFolder();

    // Several lines for the run page.
    QString pageText() const;
    // One line, for stderr after "zavok32: stopped by SIGTERM: ".
    QString line() const;
    // "Continue the interrupted run? 67 of 255 ZIPs are done", and what each
    // answer does.
    QString question() const;
    // "67 of 255 ZIPs are done"
    QString doneText() const;
    // "188 volumes (270.1 MB)"
    QString volumesText() const;
    // "c:\Zavok001 (/home/me/.local/share/zavok32/drive_c/Zavok001)"
    QString whereText() const;

    // "demo01.zip", "demo01.zip and demo02.zip", "demo001.zip to demo067.zip"
    static QString namesText(const QStringList& names);
};
