#pragma once

#include "resume/workfolder.h"

#include <QList>
#include <QString>
#include <QStringList>

class DriveService;
class MessageBox;

// One line of the Clean up dialog.
struct CleanUpRow {
    QString name;   // "c:\Zavok001" or "e:\zips\demo03.zip.unfinished-Ab12Cd"
    QString what;   // why it is there, and whether a run can still use it
    QString size;   // "270.1 MB"
    bool ticked = false;
};

// What the Clean up dialog shows.
struct CleanUpView {
    QList<CleanUpRow> rows;
    QString summary; // "2 of 3 ticked: 612.4 MB"
    QString empty;   // shown instead of the list when there is nothing
    bool deleteEnabled = false;
};

// Options > "Clean up...": what interrupted runs and unfinished ZIPs left
// behind, with their sizes, for the user to tick and delete.
// - The work folders (X:\ZavokNNN with a run's journal) on every drive: those
//   of runs that cannot go on come ticked, with the reason; those that can
//   come unticked, as the next run of their job would continue them.
// - Unfinished ZIPs ("<name>.zip.unfinished-XXXXXX", left by a run that was
//   killed while it wrote one) in the ZIP folders that runs wrote into, ticked.
// Nothing a live run uses is listed: a folder or file of a set whose lock a
// running program holds is left out.
class CleanUpList
{
public:
    CleanUpList(const DriveService& drives, MessageBox& messages, QString appDirHost);

    // Looks again at the drives and the ZIP folders.
    void refresh();
    const CleanUpView& view() const { return m_view; }

    // The dialog's check boxes and its "&Delete" button. deleteTicked asks
    // first, deletes what is ticked, says what it could not delete, and
    // refreshes; the bytes it freed.
    void setTicked(int row, bool ticked);
    qint64 deleteTicked();

    // The line the window's status bar shows at start-up when interrupted
    // runs left work folders; empty when none did.
    static QString startupNotice(const QList<WorkFolder>& folders);

private:
    struct Entry {
        QString host;
        bool folder = false;
        qint64 bytes = 0;
    };
    void addWorkFolder(const WorkFolder& folder);
    void addUnfinishedZips(const QString& zipDirDos);
    void updateSummary();

    const DriveService& m_drives;
    MessageBox& m_messages;
    QString m_appDirHost;
    CleanUpView m_view;
    QList<Entry> m_entries;
};
