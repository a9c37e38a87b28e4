#pragma once

#include "commandline.h"
#include "settestresult.h"
#include "volumeopener.h"

#include <QString>
#include <functional>

// Tests a RAR or ACE volume set the way an archiver's test command does:
// from the first volume through every volume the set goes on into, every
// header against its CRC and every file's data against its CRC (stored
// data, and ACE's LZ77 data unpacked). Volumes are streamed: memory stays
// flat whatever their size.
//
//   VolumeFiles volumes(ArchiverKind::Rar, "/work/game.rar");
//   const SetTestResult r = SetTester::test(ArchiverKind::Rar, volumes);
//   if (!r.sound()) show(r.fault().text());
//
// To test volumes that lie inside ZIPs, pass a VolumeOpener whose devices
// read the ZIP entries.
class SetTester {
public:
    // Every member is optional.
    struct Observer {
        // A volume has been opened and its reading begins.
        std::function<void(int index, const QString& name)> volumeStarted;
        // A file or folder has been read to its end (damaged or not).
        std::function<void(const TestedEntry& entry)> entryTested;
        // Volume bytes read so far; false stops the test (a Stopped fault).
        std::function<bool(uint64_t bytesRead)> progress;
    };

    static SetTestResult test(ArchiverKind kind, VolumeOpener& volumes, const Observer& observer = {});
    // The set whose first volume is this file.
    static SetTestResult testFiles(ArchiverKind kind, const QString& firstVolume, const Observer& observer = {});
};
