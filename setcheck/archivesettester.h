#pragma once

#include "setcheck/volumesettester.h"

#include <optional>

enum class ArchiverKind;

// The volume set tester the program uses: the archivers' own reader of the
// RAR and ACE sets that wrar and wace write, the one behind "wrar t" and
// "wace t". A set with a file it cannot unpack (another method, a
// password) is not taken as proven.
class ArchiveSetTester : public VolumeSetTester
{
public:
    Verdict testFiles(const QString& firstVolumeHostPath, const Progress& progress = {}) override;
    Verdict testVolumes(const QString& firstVolumeName, const Volumes& volumes, const Progress& progress = {}) override;

    // RAR for "x.rar" and "x.001", ACE for "x.ace"; none for other names.
    static std::optional<ArchiverKind> kindOf(const QString& firstVolumeName);
};
