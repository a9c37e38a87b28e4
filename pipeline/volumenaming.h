#pragma once

#include "job/appstate.h"
#include "job/ripjob.h"

#include <QString>

class Clock;
struct RipRunState;
class ViewState;

// The names of a run's files: the volumes the archiver leaves in the work
// directory, worked out from the volume number (the packaging never lists the
// directory), and the ZIP file each volume goes into.
namespace volumenaming {

// File name, without directory, of volume n (from 1) of a set whose first
// volume is named after `baseName`:
//   RAR   base.rar, base.r00 .. base.r99, base.s00 .. base.s99, base.t00 ..
//         or, with three-digit numbering, base.001, base.002, ..
//   ACE   base.ace, base.c00 .. base.c99, base.100, base.101, ..
// RAR's letter moves on after .r99 because that is what RAR itself writes and
// every RAR reader expects; a name like base.r100 would never exist.
QString volumeFileName(Archiver archiver, const QString& baseName, bool threeDigitNumbering, int n);
// The same for the job's archiver and base name and the run's numbering.
QString volumeFileName(const RipJob& job, const RipRunState& run, int n);

// The parts of one volume's ZIP name.
struct ZipName {
    // "" for a single archive (size step 0 or one volume), else n with two
    // or three digits ("07", "007"); it grows when n outgrows the width.
    QString zipNumberText;
    // "mmdyy" (7 December 1999 -> "12799") in dated unattended runs, else "".
    QString dateText;
    // DOS path without ".zip", for the ZIP component: destination + "\" +
    // base + date + number. A drive-root destination "c:\" gives "c:\base01".
    QString targetName;
    // base + date + number + ".zip", as the run page shows it.
    QString shownFileName;
};

// The ZIP name of volume n. The date is read from `clock` on every call, so a
// run that passes midnight dates its later ZIPs with the new day.
ZipName zipFileName(const RipJob& job, const RipRunState& run, LaunchMode mode, const Clock& clock, int n);

// "mmdyy": two-digit month, day without a leading zero, two-digit year.
QString dateText(const QDate& date);

// Run page counter while volume n of `count` is packaged: " 3 of 12".
QString counterText(int n, int count);

// Puts the names of volume n into the run state (zipNumberText, dateText)
// and onto the run page (zip-name label, counter label), as the packaging
// does before the first ZIP step of each volume, and returns them. The
// caller calls view.notify().
ZipName startVolume(const RipJob& job, RipRunState& run, ViewState& view, LaunchMode mode, const Clock& clock, int n);

} // namespace volumenaming
