#include "setcheck/setrepair.h"

#include "par2/recoverysetloader.h"
#include "par2/recoverysetrepairer.h"
#include "par2/recoverysetverifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <atomic>

namespace {

bool lost(const FileVerdict& v)
{
    return v.state != FileVerdict::State::Sound;
}

} // namespace

QString SetRepair::indexOf(const FoundSet& set)
{
    const QString index = set.hostPath(set.stem + QStringLiteral(".par2"));
    if (QFileInfo(index).isFile())
        return index;
    // Recovery volumes alone still hold the set's description.
    const QStringList volumes = QDir(set.folder).entryList({set.stem + QStringLiteral(".vol*.par2")}, QDir::Files, QDir::Name);
    return volumes.isEmpty() ? QString() : set.hostPath(volumes.front());
}

bool SetRepair::lostAny(const SetCheckResult& result)
{
    return std::any_of(result.zips.begin(), result.zips.end(), lost);
}

bool SetRepair::canRepair(const SetCheckResult& result)
{
    if (!lostAny(result) || result.stopped)
        return false;
    const QString index = indexOf(result.set);
    if (index.isEmpty())
        return false;
    QString error;
    const auto loaded = RecoverySetLoader::load(index, &error);
    if (!loaded)
        return false;
    const SetDescription& description = loaded->description;
    qint64 lostSlices = 0;
    bool readNeeded = false;
    for (const FileVerdict& v : result.zips) {
        if (!lost(v))
            continue;
        const auto described = std::find_if(description.files.begin(), description.files.end(),
                                            [&](const DescribedFile& f) { return QString::fromUtf8(f.name) == v.name; });
        if (described == description.files.end())
            return false; // the recovery files were made over another set
        lostSlices += qint64(described->sliceCount(description.sliceSize));
        readNeeded = readNeeded || v.state != FileVerdict::State::Missing;
    }
    if (lostSlices <= qint64(loaded->blocks.size()))
        return true;
    if (!readNeeded)
        return false;
    const RecoverySetVerifier::Result check = RecoverySetVerifier::verify(index, {});
    return check.enoughRecovery();
}

SetRepair::Outcome SetRepair::repair(const FoundSet& set, const Progress& progress)
{
    Outcome outcome;
    const QString index = indexOf(set);
    if (index.isEmpty()) {
        outcome.problem = QCoreApplication::translate("SetRepair", "there are no recovery files (%1.par2) beside the set").arg(set.stem);
        return outcome;
    }
    std::atomic<bool> cancel{false};
    RecoverySetRepairer::Options options;
    options.engine.cancel = &cancel;
    if (progress)
        options.engine.progress = [&](qint64 done, qint64 total) {
            if (!progress(done, total))
                cancel = true;
        };
    const RecoverySetRepairer::Result result = RecoverySetRepairer::repair(index, options);
    for (const QString& name : result.repaired)
        outcome.lines << name + QCoreApplication::translate("SetRepair", "  rebuilt");
    for (const QString& path : result.keptDamaged) {
        const QString kept = QFileInfo(path).fileName();
        outcome.lines << kept.left(kept.indexOf(QStringLiteral(".damaged"))) + QCoreApplication::translate("SetRepair", "  kept aside as ") + kept;
    }
    outcome.repaired = result.ok;
    if (!result.ok) {
        if (cancel)
            outcome.problem = QCoreApplication::translate("SetRepair", "the repair was stopped; nothing was written");
        else if (!result.repairable && !result.lost.isEmpty())
            outcome.problem = QCoreApplication::translate("SetRepair", "the recovery data is not enough to rebuild ") + result.lost.join(QStringLiteral(", "))
                              + QCoreApplication::translate("SetRepair", "; nothing was written");
        else
            outcome.problem = result.error.isEmpty() ? QCoreApplication::translate("SetRepair", "the repair failed") : result.error;
    }
    return outcome;
}
