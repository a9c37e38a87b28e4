#pragma once

#include "pipeline/runcontext.h"
#include "pipeline/runprogress.h"
#include "pipeline/viewthrottle.h"
#include "setcheck/volumesettester.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Wraps every volume the archiver left in the work directory into a ZIP of
// its own with the description, the stamped information file, the extra and
// the comment, deleting each volume once its ZIP holds it. A volume is only
// deleted after every add for its ZIP succeeded, so a failed or stopped step
// leaves that volume and all later ones in the work directory.
class SetProof;

class VolumePackager
{
public:
    struct Result {
        bool completed = false;
        QString reason; // why packaging ended early
        // For a set that does not prove sound: what the user is told.
        QString message{};
        QStringList zips{}; // the ZIPs written, as DOS paths, in order
    };

    // `stopRequested` is the run's own record of Abort/Exit, read between
    // steps in case a click lands while no add is in progress.
    // progress, when given, follows the bytes of every ZIP for the whole run.
    VolumePackager(RunContext& context, const bool& stopRequested, RunProgress* progress = nullptr);

    Result packageVolumes();

    // The clock that paces redraws and window events (tests give their own).
    void setClock(ViewThrottle::MsClock clock) { m_clock = std::move(clock); }
    // Proves the volumes before the first ZIP and each ZIP once written,
    // before its volume is deleted.
    void setProof(SetProof* proof) { m_proof = proof; }

    // Runs once each ZIP is in place and proven (when the set is verified:
    // read back sound, its volume passed by the set's test), before its
    // volume is deleted, with the volume's number and the ZIP's names; may
    // throw RunFailure, which keeps the volume. A ZIP that failed its proof
    // never reaches it.
    std::function<void(int volume, const ZipNameParts& names)> zipMade;
    // The ZIP (DOS path) an interrupted run already made for a volume, which
    // is passed over; empty when none was made.
    std::function<QString(int volume)> alreadyMade;
    // Asked once a volume's ZIP is named: true when a ZIP in its place may be
    // an interrupted run's own, written but not recorded. It is read back
    // against its volume: kept when sound, made again when not.
    std::function<bool(int volume, const ZipNameParts& names)> madeUnrecorded;

    // Longest comment a ZIP file can hold.
    static constexpr qsizetype kMaxCommentBytes = 65535;
    // Comment files this large or larger are not used at all.
    static constexpr qint64 kIgnoredCommentSize = 320000;

private:
    // The comment for every ZIP of the run: none, or the comment file's
    // bytes without its last one.
    std::optional<QByteArray> readComment() const;
    bool zipAddStep(const QString& list, const QString& target);
    void stageDescription() const;
    QString appDirDos() const;
    // Packaging that ends because the set did not prove sound; the volumes
    // from `fromVolume` on are still in the work directory.
    Result unproven(const QString& fault, int fromVolume) const;
    QString hostPath(const QString& dosPath) const;
    VolumeSetTester::Volumes keptVolumes(const QString& workHost, int count) const;

    RunContext& m_ctx;
    const bool& m_stopRequested;
    RunProgress* m_progress;
    ViewThrottle::MsClock m_clock;
    SetProof* m_proof = nullptr;
};
