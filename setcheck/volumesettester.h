#pragma once

#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>

// Whether a set of RAR or ACE volumes is whole and sound: every volume there
// in its order, every header and every file's data matching its CRC. The
// archivers' own reader does the work; the set checks only ask.
class VolumeSetTester
{
public:
    struct Verdict {
        bool sound = true;
        QString fault;   // the volume and file at fault and what is wrong
        int volumes = 0; // volumes read
    };

    // Where the volumes come from when they are not files beside each other:
    // volume `index` (0 = the first) is opened on demand, each once, in order.
    struct Volumes {
        std::function<QString(int index)> name;
        // Null when it cannot be opened; *missing tells a volume that is not
        // there from one that cannot be read, *error says why.
        std::function<std::unique_ptr<QIODevice>(int index, bool* missing, QString* error)> open;
    };

    // The volume being read (0 = the first; every one before it has been
    // read whole) and the volume bytes read so far, told at least as each
    // volume is begun; false stops the test (the verdict is then not sound).
    using Progress = std::function<bool(int volumeIndex, qint64 bytesRead)>;

    virtual ~VolumeSetTester() = default;

    // The set whose first volume is this file, its other volumes beside it.
    virtual Verdict testFiles(const QString& firstVolumeHostPath, const Progress& progress = {}) = 0;
    // The set whose first volume is named `firstVolumeName` (its ending
    // tells RAR from ACE), read through `volumes`.
    virtual Verdict testVolumes(const QString& firstVolumeName, const Volumes& volumes, const Progress& progress = {}) = 0;
};
