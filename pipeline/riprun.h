#pragma once

#include "pipeline/journalkeeper.h"
#include "pipeline/runcontext.h"
#include "pipeline/runprogress.h"
#include "pipeline/setlock.h"
#include "platform/processend.h"
#include "platform/shell.h"
#include "resume/jobidentity.h"
#include "resume/leftovers.h"
#include "resume/workfolder.h"

#include <QString>
#include <QStringList>
#include <optional>

// The packaging run behind the Zavok! command and the unattended start:
// checks and plan, a fresh work directory, one archiver call, a ZIP for every
// volume, and the report. A run keeps a journal in its work folder, and a
// run of the same job goes on where an interrupted one stopped
// (InterruptedRunChoice). Runs on the window's thread; the run page's Abort
// and Exit buttons reach abortRun and exitRun while the ZIP component lets
// window events through.
class SetProof;

class RipRun
{
public:
    explicit RipRun(RunContext context);

    void runJob();
    // True from the start of runJob until it returns.
    bool running() const { return m_running; }

    // The run page's buttons.
    void abortRun();
    void exitRun();
    // SIGINT, SIGTERM or SIGHUP while the run goes: taken like Abort, and
    // once the run has ended the program ends too, with 128 + the signal and
    // one line on stderr that says what is left.
    void stopBySignal(int signal);
    // Before the window closes (close box, File > Exit): while a run goes,
    // the user is asked first, and Yes stops it like Abort. True when the
    // window may close.
    bool confirmClose();

    RunContext& context() { return m_ctx; }
    // The whole run as one figure (ViewState::wholeRun); tests give it their clock.
    RunProgress& progress() { return m_progress; }

    // The ZIP component's level (0..9) for a compression list index; none
    // for an index outside the list.
    static int zipLevelFor(int compressionIndex);

private:
    enum class Outcome { Done, Ended };

    Outcome checkAndPlan();
    void freshRun();
    void continueRun();
    void packageAndReport();
    // Host paths the source measurement leaves out: the run's own files.
    QStringList leaveOut() const;
    // Where a ZIP of the set named `name` lies, as a DOS path.
    QString zipDosPath(const QString& name) const;
    Outcome lockTheSet();
    Outcome checkJobFolders();
    Outcome checkExtraNames();
    // At the floppy step: an extra in every ZIP that could push one past a
    // floppy is told, and the user may go on.
    Outcome checkFloppyFit();
    // After the last ZIP: the checksum files, the line that sums up the
    // proof, and ZIPs of the name left from an older set.
    void finishProof(SetProof& proof);
    void showCompletion();
    void finishRun(bool nothingMade, const QString& why = {});
    void endAfterFailedArchiver(const ProcessEnd& end, int volumes);

    // Ends a run refused by a check: the page and box of the problem, or the
    // end of the application when nobody is watching.
    // The notice, when given, tells the interactive user what is missing there.
    Outcome refuse(PageId page, std::optional<FocusTarget> focus, const QString& reason, const QString& notice = {});
    // `message`, when given, is shown to a user at the window.
    void endAfterFailedZipStep(const QString& reason, const QString& message = {});
    void endAfterUnexpectedFailure(const QString& reason, const QString& message);
    void putSourceTextBack();
    // The desktop's notification at the end of a long run the user did not
    // watch; failure empty: the set is ready.
    void tellDesktop(const QString& failure);
    static QString firstLine(const QString& message);
    void endUnattended(int exitCode, const QString& reason);

    QString hostPath(const QString& dosPath) const;
    // What this run leaves in its work folder now; shown on the run page and
    // kept for the line a stop signal ends with.
    void tellWhatIsLeft(bool setWhole);
    void endAfterStopSignal();
    bool quiet() const;

    RunContext m_ctx;
    SetLock m_lock;
    RunProgress m_progress;
    bool m_running = false;
    bool m_stopRequested = false;
    int m_stopSignal = 0;
    bool m_closing = false;
    Leftovers m_left;
    QStringList m_zipsMade;
    // The job as its journal records it, and the interrupted run this one
    // continues.
    JobIdentity::Settings m_settings;
    QString m_measure;
    std::optional<WorkFolder> m_resume;
    JournalKeeper m_journal;
    // The user was in another window when the archiver ended.
    bool m_userAway = false;
    QString m_verdict; // the proof's line for the report
};
