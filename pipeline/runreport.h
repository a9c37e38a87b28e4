#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class RipJob;
struct RipRunState;

struct RunReportRow {
    QString label;
    QString value;
};

// What the "Ripping complete" window shows after a run: the source and the
// archive set it became, as the texts of its two groups.
struct RunReport {
    QString caption = QCoreApplication::translate("RunReport", "Ripping complete");

    QString sourcePath;   // " d:\games"
    QString sourceType;   // " Directory"
    QString sourceSize;   // " 17 M"

    QString archiveType;  // " Rar's into zip's"
    QString archiveSize;  // " 1.44 M"
    QString archivePath;  // " c:\zips"
    QString count;        // " 12"
    QString total;        // " 17 M", empty for a single archive
    QString archiveCompression; // " Normal"
    QString zipCompression;     // " Normal"
    QString recovery;           // " any 2 ZIPs can be rebuilt (4 files, 2.93 M)", empty for none
    // The line below the rows: "Verified: 12 ZIPs and the set are sound",
    // whether the ZIPs fit floppies; empty when there is nothing to say.
    QString verdict;

    static RunReport fromRun(const RipJob& job, const RipRunState& state);

    // The Zip page's volume size text for a size step: "1.44 M" for the
    // floppy step, "5. M", ".5 M", "1 Max file" for step 0.
    static QString sizeCaption(int archiveSizeStep);

    QString sourceGroupTitle() const { return QCoreApplication::translate("RunReport", "Source"); }
    QString archiveGroupTitle() const { return QCoreApplication::translate("RunReport", "Final archive"); }
    QList<RunReportRow> sourceRows() const;
    QList<RunReportRow> archiveRows() const;
};
