#pragma once

#include "pipeline/runcontext.h"
#include "pipeline/runprogress.h"
#include "pipeline/setlock.h"
#include "platform/processend.h"
#include "platform/shell.h"

#include <QString>
#include <optional>

// The packaging run behind the Zavok! command and the unattended start:
// checks and plan, a fresh work directory, one archiver call, a ZIP for every
// volume, and the report. Runs on the window's thread; the run page's Abort
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

    RunContext& context() { return m_ctx; }
    // The whole run as one figure (ViewState::wholeRun); tests give it their clock.
    RunProgress& progress() { return m_progress; }

    // The ZIP component's level (0..9) for a compression list index; none
    // for an index outside the list.
    static int zipLevelFor(int compressionIndex);
    // The X:\ZavokNNN name for a number (three digits at least).
    static QString workDirectoryName(QChar drive, int number);

    // What the user is told when the archiver did not finish its set: how it
    // ended, that nothing was packaged, where the volumes it wrote are (DOS
    // and host path) and what to do.
    static QString archiverFailureMessage(const ProcessEnd& end, int volumes, const QString& workDos,
                                          const QString& workHost, bool archivesOnly);
    // A second run aimed at a set that a live run is writing.
    static QString setInUseMessage(const QString& zipDirectory, const QString& baseName, const QString& holder);

private:
    enum class Outcome { Done, Ended };

    Outcome checkAndPlan();
    Outcome lockTheSet();
    Outcome checkJobFolders();
    Outcome checkExtraNames();
    // At the floppy step: an extra in every ZIP that could push one past a
    // floppy is told, and the user may go on.
    Outcome checkFloppyFit();
    // After the last ZIP: the checksum files, the line that sums up the
    // proof, and ZIPs of the name left from an older set.
    void finishProof(SetProof& proof);
    void makeWorkDirectory();
    int countVolumes() const;
    qint64 volumeBytes() const;
    void showCompletion();
    void finishRun(bool nothingMade, const QString& why = {});
    void endAfterFailedArchiver(const ProcessEnd& end, int volumes);
    void removeWorkDirectory();

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

    RunContext m_ctx;
    SetLock m_lock;
    RunProgress m_progress;
    bool m_running = false;
    bool m_stopRequested = false;
    // The user was in another window when the archiver ended.
    bool m_userAway = false;
    QString m_verdict; // the proof's line for the report
};
