#pragma once

#include "recoveryplan.h"
#include "slicecombiner.h"

#include <QString>
#include <QStringList>

// Writes a PAR2 2.0 recovery set over files of one folder: <base>.par2 (the
// index: main, file description, slice checksum and creator packets) and
// recovery files <base>.volFF+CC.par2, each with its recovery slices and a
// copy of the index packets, so that any rebuildableFiles of the files can
// be rebuilt, whichever they are (see RecoveryPlan). The files are read once,
// on every core, hashed in the same pass; memory stays within the budget
// whatever the number and size of the files. Everything is written under a
// temporary name first: a failed or cancelled run leaves no recovery file.
class RecoveryCreator
{
public:
    struct Options
    {
        int rebuildableFiles = 1;
        int slicesPerLargestFile = 2;
        QByteArray creator = "Zavok32";
        SliceCombiner::Options engine;
    };
    struct Result
    {
        bool ok = false;
        QString error;
        RecoveryPlan plan;
        QStringList files; // written, the index first
        qint64 bytes = 0;  // of all of them
    };

    static Result create(const QString& folder, const QStringList& names, const QString& base, const Options& options);
};
