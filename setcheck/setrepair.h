#pragma once

#include "setcheck/foundset.h"
#include "setcheck/setcheckresult.h"

#include <QString>
#include <QStringList>
#include <functional>

// Rebuilds the ZIPs a check found missing, damaged or of another set from
// the PAR2 recovery files a run wrote beside them ("<stem>.par2" and its
// volumes). Rebuilt ZIPs take their names only once whole; a damaged one is
// kept aside as "<name>.damaged"; a sound ZIP is never written; when the
// recovery data is not enough, nothing is written at all.
class SetRepair
{
public:
    // The index of the set's recovery files; empty when there is none.
    static QString indexOf(const FoundSet& set);

    // Whether the recovery files can rebuild every ZIP of the set the check
    // found lost. Whole lost ZIPs are counted from the index alone; a
    // damaged ZIP is read, as only its bad slices need rebuilding.
    static bool canRepair(const SetCheckResult& result);
    static bool lostAny(const SetCheckResult& result);

    struct Outcome {
        bool repaired = false;  // every lost ZIP was rebuilt
        QStringList lines;      // "game02.zip  rebuilt", "game03.zip  kept aside as game03.zip.damaged"
        QString problem;        // why not: what is still missing
    };
    // done/total of the bytes read; false stops the repair (nothing is kept).
    using Progress = std::function<bool(qint64 done, qint64 total)>;
    static Outcome repair(const FoundSet& set, const Progress& progress = {});
};
