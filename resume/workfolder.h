#pragma once

#include "resume/leftovers.h"
#include "resume/runjournal.h"

#include <QList>
#include <QString>
#include <optional>

class DriveService;

// A work folder (X:\ZavokNNN) that a packaging run left behind: it holds the
// run's journal, or a journal that cannot be read. Folders without one are
// not a packaging run's (an archives-only run leaves its set in one on
// purpose) and are never taken for leftovers.
struct WorkFolder {
    QString dos;  // c:\Zavok001
    QString host;
    std::optional<RunJournal> journal;
    QString refused; // why the journal cannot be read; empty when it can

    // Work folders at the root of one drive, or of every drive (each folder
    // once, however many letters lead to it), in the order of their names.
    static QList<WorkFolder> onDrive(QChar drive, const DriveService& drives);
    static QList<WorkFolder> onEveryDrive(const DriveService& drives);

    // Why the run cannot be continued as its folder and its ZIPs stand now:
    // a refused journal, a set the archiver never finished, a volume missing
    // or changed since, a complete ZIP missing or changed since. Empty when it
    // can. Complete ZIPs are read whole to check their CRC.
    QString whyNotContinuable(const DriveService& drives) const;

    // What is in it now, with the journal's count of the set and its ZIPs.
    Leftovers leftovers() const;
    // Everything in it (the journal too).
    qint64 bytes() const;
    // The ZIP folder the journal names, as a host path; empty when unknown.
    QString zipFolderHost(const DriveService& drives) const;

    // Deletes the folder and everything in it; false with the reason.
    bool discard(QString* error = nullptr) const;

    // "Zavok" and at least three digits, any case.
    static bool isWorkFolderName(const QString& name);
    // A volume's size and time as the journal keeps them; none when it is missing.
    static std::optional<RunJournal::Volume> volumeNow(const QString& folderHost, const QString& name);
};
