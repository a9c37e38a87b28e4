#pragma once

#include "recoverysetverifier.h"
#include "slicecombiner.h"

#include <QString>
#include <QStringList>

// Rebuilds the missing and damaged files of a recovery set from its
// recovery slices. Lost slices are solved for (Gaussian elimination over
// GF(2^16)) from as many recovery slices and all the sound slices; each
// rebuilt file is written under a temporary name, checked against its MD5,
// and only then put in place. A damaged file is kept aside as
// "<name>.damaged"; a sound file is never written over. When the recovery
// slices are not enough, nothing is written at all.
class RecoverySetRepairer
{
public:
    struct Options
    {
        SliceCombiner::Options engine; // threads, memory, cancel, progress
    };
    struct Result
    {
        bool ok = false;         // the set is whole afterwards
        bool repairable = false; // false: the recovery data was not enough
        QString error;
        RecoverySetVerifier::Result before;
        QStringList repaired;    // names rebuilt
        QStringList keptDamaged; // paths of damaged files kept aside
        QStringList lost;        // names still missing or damaged
    };

    static Result repair(const QString& par2Path, const Options& options);
    // The free name a damaged file is moved to.
    static QString damagedName(const QString& path);
};
