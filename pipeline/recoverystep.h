#pragma once

#include "pipeline/runcontext.h"

#include <QString>
#include <QStringList>

// The step after the ZIPs are made: PAR2 recovery files over the ZIPs of the
// set, in the ZIP folder beside them (<base>.par2 and <base>.volFF+CC.par2),
// enough to rebuild any AppState::recoveryZips of them; each fits the medium
// the ZIPs were cut for. The run page shows its progress; Abort stops it and
// leaves no recovery file. Its line for the report goes to the run state.
class RecoveryStep
{
public:
    struct Result
    {
        bool completed = false;
        QString reason; // why it did not
        QStringList files{};
    };

    RecoveryStep(RunContext& context, const bool& stopRequested);

    // The ZIPs as DOS paths; nothing is done when recovery files are off.
    // They are named by `stem`, the name the ZIPs have before their numbers
    // (a dated run's dated base name). Written, they are in `files` (host paths).
    Result writeRecoveryFiles(const QStringList& zips, const QString& stem);

    // "any 2 ZIPs can be rebuilt (4 files, 2.93 M)"
    static QString reportText(int rebuildable, qint64 files, qint64 bytes);

private:
    RunContext& m_ctx;
    const bool& m_stopRequested;
};
