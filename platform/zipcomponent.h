#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

// The ZIP writer the run drives: a compression level, a target, a comment,
// a list of paths to add, an add call that returns 0 on success, a stop flag,
// and two events while it works. Adding to an existing ZIP keeps its
// entries; a stopped or failed add leaves the earlier file as it was.
class ZipComponent
{
public:
    virtual ~ZipComponent() = default;

    virtual void setCompressionLevel(int level) = 0;          // 0 (store) .. 9
    virtual void setTarget(const QString& dosPathWithoutZip) = 0; // ".zip" is added
    virtual void setComment(const QByteArray& comment) = 0;
    // Paths separated by CR: DOS paths, or names relative to the current
    // folder; a path may end in "*.*" for every file of a folder.
    virtual void setFileList(const QString& crSeparatedList) = 0;
    virtual int add() = 0;

    // Holds the adds that follow, all for one ZIP, and writes them together
    // in finishZip(), so that the file is written once. Each held add still
    // checks its own files and answers 0 or failure at once; nothing is
    // written before finishZip(). A component that cannot hold writes at
    // every add and finds nothing left to do here.
    virtual void startZip() {}
    // Writes the held adds in the order they were made; 0 on success. A
    // failure or a stop leaves an earlier ZIP of the name as it was and
    // makes no new one.
    virtual int finishZip() { return 0; }
    // Forgets the held adds without writing anything.
    virtual void dropZip() {}
    // Names files (as setFileList does) that a later ZIP will take, so that
    // the component may read and deflate them while it writes this one.
    // Nothing is written or promised: a file that changes before its add is
    // read again, and one that is never added is forgotten.
    virtual void readAhead(const QString& crSeparatedList) { (void)crSeparatedList; }
    virtual void setStop(bool stop) = 0;
    // The time stored with the entries of the adds that follow, in place of
    // the time each file has on disk (so that a set written in two goes is
    // the same as one written at once); with `filesKeepTheirOwn` only folder
    // entries, which have no time of their own to keep, take it. An invalid
    // time goes back to the files' own times.
    virtual void setEntryTime(const QDateTime& time, bool filesKeepTheirOwn = false)
    {
        Q_UNUSED(time);
        Q_UNUSED(filesKeepTheirOwn);
    }
    // Folders (DOS paths) that a folder add never reads, nor anything in
    // them: the folders the set is written into, which a folder added as
    // the extra may hold. Each is left out with a warning.
    virtual void setFoldersLeftOut(const QStringList& dosFolders) { Q_UNUSED(dosFolders); }
    // Why the last add() failed, in words a user can act on; empty after a
    // success.
    virtual QString lastError() const { return {}; }

    // A file as the last write read it into its ZIP: the CRC-32 and byte
    // count of the bytes that went in, taken on the way, so that a reader of
    // the ZIP can prove the entry equal to its source without reading the
    // source again.
    struct WrittenFile {
        QString zipName;
        std::uint32_t crc = 0;
        qint64 size = 0;
    };
    // The files of the last successful write (finishZip(), or add() outside
    // startZip()), in the order they were written; empty for a component
    // that does not tell.
    virtual QList<WrittenFile> lastWritten() const { return {}; }

    std::function<void(const QString& fileName)> onAdding;
    std::function<void(int completionPercent)> onStatus;
    // Lets queued window events run while the component works, so Abort and
    // Exit can be clicked.
    std::function<void()> processPendingEvents;
};
