#pragma once

#include "recoverysetloader.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <functional>
#include <vector>

// Which files of a recovery set are complete, damaged or missing, judged by
// each file's MD5 and, slice by slice, by the slice checksums; and whether
// the recovery slices there are enough to rebuild what is lost.
class RecoverySetVerifier
{
public:
    struct Options
    {
        int threads = 0;
        const std::atomic<bool>* cancel = nullptr;
        std::function<void(qint64 done, qint64 total)> progress; // on the calling thread
    };
    struct FileCheck
    {
        enum class State { Complete, Damaged, Missing };
        QString name;
        QString path;
        State state = State::Missing;
        qint64 size = 0;          // found on disk
        std::vector<bool> good;   // per slice: present and matching
        int lostSlices() const { return int(std::count(good.begin(), good.end(), false)); }
    };
    struct Result
    {
        bool ok = false; // the set could be read and every file looked at
        QString error;
        LoadedSet set;
        std::vector<FileCheck> files; // in the set's order
        int lostSlices = 0;
        bool complete() const { return ok && std::all_of(files.begin(), files.end(), [](const FileCheck& f) { return f.state == FileCheck::State::Complete; }); }
        bool enoughRecovery() const { return ok && lostSlices <= int(set.blocks.size()); }
        QStringList names(FileCheck::State state) const;
    };

    static Result verify(const QString& par2Path, const Options& options);
    static FileCheck check(const LoadedSet& set, const DescribedFile& file, std::atomic<qint64>* done = nullptr,
                           const std::atomic<bool>* cancel = nullptr);
};
