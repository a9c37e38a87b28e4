#pragma once

#include "setcheck/setcheckresult.h"

#include <functional>

class ZipReader;
class VolumeSetTester;

// Checks a found set without writing anything: every ZIP is read whole
// (each entry against its CRC) and, when a checksum file lists it, against
// the listed sums; a ZIP whose description counts another total, or that
// is sound but not the listed one, is of another set. When all ZIPs are
// sound, the volumes inside them are tested as one set (without a tester,
// they are not).
class SetChecker
{
public:
    // `status` is the file at work, `percent` of the whole check; returning
    // false stops the check.
    using Progress = std::function<bool(const QString& status, int percent)>;

    SetChecker(ZipReader& reader, VolumeSetTester* tester);

    SetCheckResult check(const FoundSet& set, const Progress& progress = {});

private:
    FileVerdict checkZip(const FoundSet& set, const SetFile& file, const std::function<bool(qint64)>& advance,
                         bool* stopped);
    FileVerdict checkExtra(const FoundSet& set, const SetFile& file, const std::function<bool(qint64)>& advance,
                           bool* stopped);
    void testVolumes(SetCheckResult& result, const std::function<bool(qint64)>& advance);

    ZipReader& m_reader;
    VolumeSetTester* m_tester;
};
