#pragma once

#include "pipeline/runcontext.h"
#include "resume/jobidentity.h"
#include "resume/workfolder.h"

#include <QString>
#include <QStringList>

// What a run does about an interrupted run of its own set (the same ZIP
// folder and base name) that it finds on the work drive, before it starts:
// - the same job, its set whole and untouched, the source unchanged: the
//   window asks whether to continue it (No deletes its work folder and starts
//   afresh; Cancel does nothing); an unattended run continues it and says so,
//   unless the command line asked for a restart, which deletes it;
// - anything else: the run starts afresh and says why that one cannot be
//   continued; its work folder stays for Options > Clean up.
// Only the newest such run is looked at.
class InterruptedRunChoice
{
public:
    enum class Kind { Fresh, Continue, Cancel };
    struct Decision {
        Kind kind = Kind::Fresh;
        WorkFolder folder; // the run to continue
    };

    InterruptedRunChoice(RunContext& context, bool restart);

    // `settings`: the job's now; `measure` is the source's measurement, worked
    // out here when it is needed and left for the journal of a fresh run.
    Decision decide(const JobIdentity::Settings& settings, QString& measure, const QStringList& leaveOut);

    static QString cannotContinueMessage(const WorkFolder& folder, const QString& why, qint64 bytes);
    static QString cannotContinueLine(const WorkFolder& folder, const QString& why, qint64 bytes);
    static QString continuingLine(const WorkFolder& folder, const Leftovers& left);
    static QString restartLine(const WorkFolder& folder, qint64 bytes);

private:
    Decision discard(const WorkFolder& folder);

    RunContext& m_ctx;
    bool m_restart;
};
