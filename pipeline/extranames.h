#pragma once

#include <QList>
#include <QString>
#include <optional>

class DriveService;
class RipJob;

// Keeps the extra from replacing the set's own entries. The extra file, or
// every file and folder at the top of the extra folder, lands at the top of a
// ZIP beside the volume, "file_id.diz" and the information file; one of the
// same name would take their place, in that ZIP and in the folder where the
// ZIPs are unpacked together. Names are compared without regard to case, as
// the DOS and Windows readers of the set compare them.
class ExtraNames
{
public:
    // A name the set uses for itself, and what it is ("volume 3 of the set").
    struct OwnName {
        QString name;
        QString what;
    };
    struct Clash {
        QString name;    // as the extra has it
        OwnName own;
    };

    // The first of the extra's names that is one of `own`; none when the
    // extra is empty or missing (which the run reports on its own).
    static std::optional<Clash> find(const RipJob& job, const DriveService& drives, const QList<OwnName>& own);

    // The refusal: what clashes, that nothing was packaged, what to do.
    static QString message(const RipJob& job, const Clash& clash);
};
