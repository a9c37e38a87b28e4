#include "pipeline/volumepackager.h"

#include "job/riprunstate.h"
#include "job/ripjob.h"
#include "job/viewstate.h"
#include "pipeline/jobfolders.h"
#include "pipeline/runfailure.h"
#include "pipeline/setproof.h"
#include "pipeline/viewthrottle.h"
#include "platform/appdirectory.h"
#include "platform/driveservice.h"
#include "platform/fileops.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/zipcomponent.h"
#include "platform/zipreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QScopeGuard>

#include <algorithm>

namespace {

const QChar kCr(u'\r');

} // namespace

VolumePackager::VolumePackager(RunContext& context, const bool& stopRequested, RunProgress* progress)
    : m_ctx(context)
    , m_stopRequested(stopRequested)
    , m_progress(progress)
{
}

VolumeSetTester::Volumes VolumePackager::keptVolumes(const QString& workHost, int count) const
{
    // Taken now: the test reads on a thread of its own while the run goes on.
    QStringList names;
    QHash<int, QString> keptZips;
    for (int n = 1; n <= count; ++n) {
        names << m_ctx.steps.volumeFileName(n);
        if (const QString done = alreadyMade ? alreadyMade(n) : QString(); !done.isEmpty())
            keptZips.insert(n - 1, hostPath(done));
    }
    ZipReader* reader = m_ctx.zipReader;
    VolumeSetTester::Volumes volumes;
    volumes.name = [names](int index) { return index < names.size() ? names[index] : QString(); };
    volumes.open = [names, keptZips, reader, workHost](int index, bool* missing, QString* error) -> std::unique_ptr<QIODevice> {
        if (index >= names.size()) {
            *missing = true;
            return nullptr;
        }
        // A volume left is read before its ZIP is proven, so it is never
        // deleted under the test.
        auto file = std::make_unique<QFile>(workHost + QLatin1Char('/') + names[index]);
        if (file->exists()) {
            if (file->open(QIODevice::ReadOnly))
                return file;
            *error = file->errorString();
            return nullptr;
        }
        if (!keptZips.contains(index)) {
            *missing = true;
            return nullptr;
        }
        return reader->openEntry(keptZips.value(index), names[index], error);
    };
    return volumes;
}

QString VolumePackager::hostPath(const QString& dosPath) const
{
    const auto host = m_ctx.services.drives->toHost(dosPath);
    if (!host)
        throw RunFailure(QCoreApplication::translate("VolumePackager", "no drive for ") + dosPath);
    return *host;
}

QString VolumePackager::appDirDos() const
{
    const auto dos = m_ctx.services.drives->toDos(AppDirectory::path());
    if (!dos)
        throw RunFailure(QCoreApplication::translate("VolumePackager", "the application directory is on no drive"));
    return *dos;
}

std::optional<QByteArray> VolumePackager::readComment() const
{
    const QString path = AppDirectory::path() + QStringLiteral("/zcomment.ini");
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0)
        throw RunFailure(QCoreApplication::translate("VolumePackager", "the ZIP comment file zcomment.ini is missing or empty"));
    if (info.size() >= kIgnoredCommentSize)
        return std::nullopt;
    // The file ends with the line end the comment editor writes; everything
    // before that last byte is the comment.
    const qint64 length = info.size() - 1;
    if (length > kMaxCommentBytes)
        throw RunFailure(QCoreApplication::translate("VolumePackager", "the ZIP comment has %1 bytes; a ZIP holds at most 65,535").arg(length),
                         QCoreApplication::translate("VolumePackager", "The ZIP comment is longer than 65,535 bytes") + kCr
                             + QCoreApplication::translate("VolumePackager", "Shorten the comment or switch it off, then run again"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RunFailure(QCoreApplication::translate("VolumePackager", "cannot read zcomment.ini: ") + file.errorString());
    QByteArray comment = file.read(length);
    if (comment.size() != length)
        throw RunFailure(QCoreApplication::translate("VolumePackager", "cannot read zcomment.ini: ") + file.errorString());
    return comment;
}

bool VolumePackager::zipAddStep(const QString& list, const QString& target)
{
    ZipComponent& zip = *m_ctx.services.zip;
    zip.setFileList(list);
    zip.setTarget(target);
    const int result = zip.add();
    return result == 0 && !m_stopRequested;
}

void VolumePackager::stageDescription() const
{
    if (m_ctx.job.autoNumbering()) {
        m_ctx.steps.writeNumberedDiz();
        return;
    }
    const QString source = hostPath(m_ctx.job.dizPath());
    if (!QFileInfo(source).isFile())
        throw RunFailure(QCoreApplication::translate("VolumePackager", "the description file is missing: ") + m_ctx.job.dizPath());
    const QString staged = AppDirectory::path() + QStringLiteral("/file_id.diz");
    QString error;
    if (!fileops::copyReplacing(source, staged, &error))
        throw RunFailure(QCoreApplication::translate("VolumePackager", "cannot copy the description file: ") + error);
    // A read-only original must not make the staged copy read-only: the next
    // ZIP writes over it, and the flag would travel into every ZIP.
    QFile::setPermissions(staged, QFile::permissions(staged) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
}

VolumePackager::Result VolumePackager::unproven(const QString& fault, int fromVolume) const
{
    // Abort or Exit ended it: the user knows, and nothing was found wrong.
    if (m_stopRequested)
        return Result{false, fault};
    const RipRunState& state = m_ctx.state;
    const QString kept = fromVolume > state.volumeCount ? QString()
        : fromVolume == state.volumeCount
        ? QCoreApplication::translate("VolumePackager", "Volume %1 is still in %2.").arg(fromVolume).arg(state.workDirectory)
        : QCoreApplication::translate("VolumePackager", "Volumes %1 to %2 are still in %3.").arg(fromVolume).arg(state.volumeCount).arg(state.workDirectory);
    return Result{false, SetProof::failedLine(fault),
                  QCoreApplication::translate("VolumePackager", "The set did not prove sound: ") + fault + QStringLiteral(".\r") + kept
                      + QCoreApplication::translate("VolumePackager", " Check the disk and the ZIP folder, then run the job again.")};
}

VolumePackager::Result VolumePackager::packageVolumes()
{
    RipJob& job = m_ctx.job;
    RipRunState& state = m_ctx.state;
    ViewState& view = m_ctx.view;
    Shell& shell = *m_ctx.services.shell;
    ZipComponent& zip = *m_ctx.services.zip;

    view.window.busyPointer = true;
    view.notify();
    shell.processPendingEvents();
    state.currentVolume = 1;
    view.window.listBarEnabled = false;
    view.window.busyPointer = true;
    view.notify();

    zip.setStop(false);
    // The extra may hold the folders the set is written into.
    zip.setFoldersLeftOut(JobFolders(job, *m_ctx.services.drives).written(state.workDirectory));
    ViewThrottle throttle(m_clock);
    zip.onAdding = [&view, &throttle](const QString& fileName) {
        const QString shown = fileName.toLower();
        if (view.run.status != shown) {
            view.run.status = shown;
            throttle.changed();
        }
        if (throttle.redrawDue())
            view.notify();
    };
    RunProgress* progress = m_progress;
    zip.onStatus = [&view, &throttle, progress](int completion) {
        if (view.run.progress != completion) {
            view.run.progress = completion;
            throttle.changed();
        }
        if (progress && progress->zipPercent(completion))
            throttle.changed();
        if (throttle.redrawDue())
            view.notify();
    };
    zip.processPendingEvents = [&view, &shell, &throttle] {
        if (throttle.redrawDue())
            view.notify();
        if (throttle.eventsDue())
            shell.processPendingEvents();
    };
    const auto unhook = qScopeGuard([&zip] {
        zip.onAdding = nullptr;
        zip.onStatus = nullptr;
        zip.processPendingEvents = nullptr;
        zip.setEntryTime(QDateTime());
    });

    // Every ZIP gets the same comment; checking it before the first ZIP keeps
    // a comment that no ZIP can hold from leaving half a set behind.
    if (job.useZipComment()) {
        if (const auto comment = readComment())
            zip.setComment(*comment);
    } else {
        zip.setComment(QByteArray());
    }

    const QString appDir = appDirDos();
    const QString workHost = hostPath(state.workDirectory);
    const int count = state.volumeCount;
    // A volume goes once its ZIP is written and, when the set is verified,
    // proven; those proven when packaging ends early go all the same.
    const auto removeVolumes = [](const QStringList& hosts) {
        for (const QString& host : hosts) {
            if (!QFile::remove(host))
                return QFileInfo(host).fileName();
        }
        return QString();
    };
    // ZIPs written and not yet proven, by volume number.
    QHash<int, ZipNameParts> awaiting;
    // Each ZIP proven is told (and recorded) before its volume goes.
    const auto provenGo = [&](const SetProof::Step& step) {
        for (const int n : step.provenZips) {
            if (zipMade && awaiting.contains(n))
                zipMade(n, awaiting.value(n));
            awaiting.remove(n);
        }
        return removeVolumes(step.proven);
    };
    // A continued run has lost the volumes of the ZIPs it keeps: the set is
    // tested through those ZIPs where the volume is gone.
    const QString firstVolume = workHost + QLatin1Char('/') + m_ctx.steps.volumeFileName(1);
    if (m_proof && QFileInfo::exists(firstVolume))
        m_proof->begin(firstVolume);
    else if (m_proof && m_ctx.zipReader && alreadyMade && !alreadyMade(1).isEmpty())
        m_proof->begin(m_ctx.steps.volumeFileName(1), keptVolumes(workHost, count));
    auto settleProof = qScopeGuard([&] {
        if (!m_proof)
            return;
        try {
            provenGo(m_proof->finish(false));
        } catch (const RunFailure&) {
            // Not recorded, the ZIP's volume stays for the next run.
        }
    });
    QStringList made;
    for (int n = 1; n <= count; ++n) {
        if (const QString done = alreadyMade ? alreadyMade(n) : QString(); !done.isEmpty()) {
            made.append(done);
            if (m_proof) {
                const SetProof::Step step = m_proof->zipKept(n, m_ctx.steps.startVolume(n));
                if (const QString kept = provenGo(step); !kept.isEmpty())
                    throw RunFailure(QCoreApplication::translate("VolumePackager", "cannot delete the packaged volume ") + kept);
                if (!step.fault.isEmpty())
                    return unproven(step.fault, step.firstUnproven);
            }
            continue;
        }
        state.currentVolume = qint16(n);
        const QString volume = m_ctx.steps.volumeFileName(n);
        if (!QDir::setCurrent(workHost))
            throw RunFailure(QCoreApplication::translate("VolumePackager", "cannot change to the work directory ") + state.workDirectory);
        const ZipNameParts names = m_ctx.steps.startVolume(n);
        const QString volumeHost = workHost + QLatin1Char('/') + volume;
        if (madeUnrecorded && madeUnrecorded(n, names)) {
            // Its volume is still here: it is proven against it like a ZIP
            // just written, and made again when it does not prove.
            bool sound = true;
            const SetProof::Step step = m_proof ? m_proof->zipFound(n, names, volume, volumeHost, sound)
                                                : SetProof::Step{{volumeHost}, {n}, {}, 0};
            if (sound)
                awaiting.insert(n, names);
            if (const QString kept = provenGo(step); !kept.isEmpty())
                throw RunFailure(QCoreApplication::translate("VolumePackager", "cannot delete the packaged volume ") + kept);
            if (!step.fault.isEmpty())
                return unproven(step.fault, step.firstUnproven);
            if (sound) {
                made.append(names.target + QStringLiteral(".zip"));
                continue;
            }
            // Added to, a spoiled ZIP would keep what spoiled it.
            if (!QFile::remove(hostPath(names.target + QStringLiteral(".zip"))))
                throw RunFailure(QCoreApplication::translate("VolumePackager", "cannot delete %1, which does not read back").arg(names.shownName));
        }
        if (m_progress)
            m_progress->zipStarted(QFileInfo(volumeHost).size());
        view.notify();

        const auto failed = [&](const QString& what) {
            const QString why = zip.lastError();
            return Result{false, QCoreApplication::translate("VolumePackager", "%1 failed for %2%3").arg(what, names.shownName, why.isEmpty() ? QString() : QStringLiteral(": ") + why), {}};
        };
        // The adds of one ZIP are held and written in one go at the end; a
        // step that fails, or a run that ends early, drops them unwritten.
        zip.startZip();
        auto dropHeld = qScopeGuard([&zip] { zip.dropZip(); });
        // The run's own files are stamped with its start, whenever each ZIP
        // is written; the extra's files keep their own times.
        zip.setEntryTime(state.runStarted);
        if (!zipAddStep(volume + kCr, names.target))
            return failed(QCoreApplication::translate("VolumePackager", "adding ") + volume);
        // The next two volumes can be deflated while this ZIP is written.
        QString next;
        for (int k = n + 1; k <= std::min(n + 2, count); ++k)
            next += m_ctx.steps.volumeFileName(k) + kCr;
        zip.readAhead(next);

        stageDescription();
        if (!zipAddStep(appDir + QStringLiteral("\\file_id.diz") + kCr, names.target))
            return failed(QCoreApplication::translate("VolumePackager", "adding file_id.diz"));

        if (!job.firstZipOnly() || n == 1) {
            if (!job.nfoPath().isEmpty()) {
                m_ctx.steps.prepareNfo();
                if (m_stopRequested)
                    return failed(QCoreApplication::translate("VolumePackager", "preparing the information file"));
                if (!zipAddStep(appDir + QLatin1Char('\\') + state.nfoFileName + kCr, names.target))
                    return failed(QCoreApplication::translate("VolumePackager", "adding ") + state.nfoFileName);
            }
            const QString extra = job.extraPath();
            if (!extra.isEmpty()) {
                zip.setEntryTime(state.runStarted, true);
                QString list;
                if (job.extraIsFile()) {
                    if (!m_ctx.services.drives->fileExists(extra))
                        throw RunFailure(QCoreApplication::translate("VolumePackager", "the extra file is missing: ") + extra);
                    list = extra;
                } else {
                    if (!m_ctx.services.drives->pathExists(extra))
                        throw RunFailure(QCoreApplication::translate("VolumePackager", "the extra directory is missing: ") + extra);
                    list = extra + (extra.endsWith(QLatin1Char('\\')) ? QStringLiteral("*.*") : QStringLiteral("\\*.*"));
                }
                if (!zipAddStep(list + kCr, names.target))
                    return failed(QCoreApplication::translate("VolumePackager", "adding ") + extra);
            }
        }

        dropHeld.dismiss();
        if (zip.finishZip() != 0 || m_stopRequested)
            return failed(QCoreApplication::translate("VolumePackager", "writing the ZIP"));
        made.append(names.target + QStringLiteral(".zip"));
        awaiting.insert(n, names);

        if (m_progress) {
            const auto zipHost = m_ctx.services.drives->toHost(names.target + QStringLiteral(".zip"));
            m_progress->zipMade(zipHost ? QFileInfo(*zipHost).size() : 0);
        }
        const SetProof::Step step = m_proof ? m_proof->zipWritten(n, names, volume, volumeHost, zip.lastWritten())
                                            : SetProof::Step{{volumeHost}, {n}, {}, 0};
        if (const QString kept = provenGo(step); !kept.isEmpty())
            throw RunFailure(QCoreApplication::translate("VolumePackager", "cannot delete the packaged volume ") + kept);
        if (!step.fault.isEmpty())
            return unproven(step.fault, step.firstUnproven);
        view.run.progress = 0;
        view.notify();
    }
    settleProof.dismiss();
    if (m_proof) {
        const SetProof::Step step = m_proof->finish();
        if (const QString kept = provenGo(step); !kept.isEmpty())
            throw RunFailure(QCoreApplication::translate("VolumePackager", "cannot delete the packaged volume ") + kept);
        if (!step.fault.isEmpty())
            return unproven(step.fault, step.firstUnproven);
    }
    return Result{true, {}, {}, made};
}
