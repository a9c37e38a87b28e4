#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class DriveService;
class RipJob;

// Keeps a run from reading what it writes. A run reads the source (the
// archiver) and the extra folder (every ZIP), and writes into the ZIP folder
// and the work folder; one of those inside one it reads would go into the
// set: each ZIP holding the ZIPs before it, the volumes inside the extra, a
// set that carries its own lock. Folders are compared by their real paths,
// whatever drive letters or links lead to them.
class JobFolders
{
public:
    JobFolders(const RipJob& job, const DriveService& drives);

    // Why the run must not start, before the archiver runs: the ZIP folder
    // is the source or the extra folder (leaving it out would leave nothing
    // of them), or the extra is far larger than a volume (every ZIP would
    // carry it; a drive root would be packed whole). None: go on.
    struct Refusal {
        QString message;
        bool aboutExtra = false; // the Nfo page's business; else the Zip page's
    };
    std::optional<Refusal> refusal() const;

    // The folders the set is written into that lie inside a source folder,
    // relative to it ("zips", "old\zips"), for the archiver to leave out;
    // each with a warning in *warnings.
    QStringList insideSource(const QString& workDirectory, QStringList* warnings) const;
    // The folders the set is written into (DOS paths), which the extra's
    // walk leaves out.
    QStringList written(const QString& workDirectory) const;

    // The most an extra may hold: ten volumes of the set (ten times the
    // source for a set of one archive), never less than ten floppies.
    static qint64 extraBound(const RipJob& job);
    static constexpr qint64 kMaxExtraFiles = 100000;

private:
    std::optional<QString> host(const QString& dos) const;
    std::optional<Refusal> extraTooLarge() const;

    const RipJob& m_job;
    const DriveService& m_drives;
};
