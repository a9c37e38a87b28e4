#pragma once

#include "platform/zipcomponent.h"
#include "platform/zipfolderwalk.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>

class DriveService;
class ParallelDeflate;
class WholeFileDeflate;

// The ZIP writer over libzip.
//
// - Level 0 stores, 1..9 deflate at that level; other values are ignored.
//   The level starts at 6.
// - The target and the listed paths are DOS paths resolved through the drive
//   service; a listed path without a drive letter is taken relative to the
//   process's current folder.
// - A listed file is stored under its plain file name. "folder\*.*" (or
//   "folder\*") adds every file below the folder, subfolders included, stored
//   as relative paths with "/" ("sub/readme.txt"), as ZipFolderWalk walks it
//   (what it leaves out is told by warnings(); it never reads the folders
//   setFoldersLeftOut() names). Another wildcard
//   ("folder\*.txt") adds the matching files of that folder only. A folder
//   named without a pattern is added like
//   "*.*" but under its own name ("extras/readme.txt"). An entry whose name
//   is already in the ZIP replaces it; every other entry of an existing ZIP
//   stays.
// - A non-empty comment replaces the ZIP's comment; an empty one leaves an
//   existing comment as it is.
// - Between startZip() and finishZip() the adds are held: each checks its
//   list and its target and answers at once, and finishZip() writes all of
//   them in one go, in their order. Outside that, add() writes at once.
// - Files of some size are handed to libzip already deflated; small ones
//   libzip deflates itself. Up to WholeFileDeflate::kMaxBytes a file is
//   deflated whole on one core, from the moment its add is held or it is
//   read ahead, so that with two cores two volumes are deflated while the
//   ZIP before them is written; a larger one is deflated in parts on every
//   core (ParallelDeflate) while it is written. Each file is read once.
// - A write makes a complete new file beside the target, named
//   "<name>.zip.unfinished-XXXXXX", and puts it in place only when everything
//   is written, so a stop or a failure leaves an earlier ZIP byte for byte as
//   it was (and makes no file when there was none), and a killed process
//   leaves a file that nobody takes for a finished ZIP. The source files are
//   read in pieces while writing, never whole.
// - The stop flag stays set until setStop(false): while it is set, add()
//   fails at once without touching anything, and setting it during an add
//   cancels that add at the next piece written.
// - Events come on the calling thread, during add(): onAdding with the name
//   stored in the ZIP as each file is read, onStatus with the completion of
//   the whole write in percent (of the bytes of its files) whenever it
//   changes, and processPendingEvents every few kilobytes written, so the
//   window's Abort can set the stop flag.
class LibzipComponent : public ZipComponent
{
public:
    // add()'s results.
    static constexpr int kOk = 0;
    static constexpr int kFailed = 1;
    static constexpr int kStopped = 2;

    static constexpr qsizetype kMaxCommentBytes = 65535;

    // Files this large or larger are deflated on every core.
    static constexpr qint64 kParallelFromBytes = 64 * 1024;

    explicit LibzipComponent(const DriveService& drives);
    ~LibzipComponent() override;

    void setCompressionLevel(int level) override;
    void setTarget(const QString& dosPathWithoutZip) override;
    void setComment(const QByteArray& comment) override;
    void setFileList(const QString& crSeparatedList) override;
    int add() override;
    void startZip() override;
    int finishZip() override;
    void dropZip() override;
    void readAhead(const QString& crSeparatedList) override;
    void setStop(bool stop) override;
    void setEntryTime(const QDateTime& time, bool filesKeepTheirOwn = false) override;
    void setFoldersLeftOut(const QStringList& dosFolders) override;
    QString lastError() const override { return m_lastError; }
    QList<WrittenFile> lastWritten() const override { return m_written; }

    int compressionLevel() const { return m_level; }
    // What was left out or renamed while adding, each once, in order; every
    // warning also goes to stderr.
    QStringList warnings() const { return m_warnings; }
    bool stopRequested() const { return m_stop; }

    // What one add would put into the ZIP: a host file (or, for a folder
    // entry, an empty path) and the name it is stored under.
    using Entry = ZipFolderWalk::Entry;
    // Expands the list as add() does; false (with the reason in *error) when
    // a listed path cannot be used. Files equal to excludedHostPath are left
    // out, so a folder that holds the target never takes the ZIP into itself.
    bool expandList(QList<Entry>* entries, QString* error, const QString& excludedHostPath = {}) const;

    // What libzip's callbacks reach the component through (internal).
    struct Callbacks;

private:
    // Files for one ZIP, checked and waiting to be written.
    struct Write {
        QString targetDos;
        QString targetHost;
        struct File {
            Entry entry;
            int level;
            qint64 time; // seconds since the epoch; -1: the file's own
        };
        QList<File> files;
    };

    int check(Write* write);
    int write(const Write& write);
    bool expand(const QString& list, QList<Entry>* entries, QString* error, const QString& excludedHostPath = {}) const;
    // Whether the file is deflated whole at the level.
    static bool deflatedWhole(const QByteArray& nativePath, int level);
    WholeFileDeflate& whole();
    void forgetReadAhead();
    std::optional<QString> resolve(const QString& dosOrRelative) const;
    int fail(int result, const QString& error);
    void walkFolder(const QString& folder, const QString& prefix, const QString& excludedHostPath,
                    QList<Entry>* entries) const;
    void warn(const QString& text) const;

    const DriveService& m_drives;
    int m_level = 6;
    QString m_target;
    QByteArray m_comment;
    QString m_list;
    bool m_stop = false;
    qint64 m_entryTime = -1;
    bool m_filesKeepTheirTime = false;
    bool m_busy = false;
    bool m_holding = false;
    Write m_held;
    std::unique_ptr<ParallelDeflate> m_deflate;
    std::unique_ptr<WholeFileDeflate> m_whole;
    QString m_lastError;
    QList<WrittenFile> m_written;
    mutable QStringList m_warnings;
    QList<QByteArray> m_foldersLeftOut; // canonical host paths
};
