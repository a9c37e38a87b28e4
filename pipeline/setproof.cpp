#include "pipeline/setproof.h"

#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/viewstate.h"
#include "pipeline/floppyfit.h"
#include "pipeline/runfailure.h"
#include "platform/clock.h"
#include "platform/driveservice.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "setcheck/filedigest.h"
#include "setcheck/setnames.h"
#include "setcheck/sfvfile.h"
#include "setcheck/sha256file.h"
#include "setcheck/volumesettester.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <chrono>
#include <thread>

namespace {

QString hex(std::uint32_t crc)
{
    return QString::number(crc, 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

} // namespace

// The test of the volume set, running from the first volume on.
struct SetProof::VolumeTest {
    std::atomic<int> reading{0}; // the volume being read; the ones before it passed
    std::future<VolumeSetTester::Verdict> verdict;
    std::optional<VolumeSetTester::Verdict> taken;
};

SetProof::SetProof(RunContext& context, const bool& stopRequested)
    : m_ctx(context)
    , m_stopRequested(stopRequested)
    , m_verify(context.app.verifyAfterPacking)
    , m_checksums(context.app.checksumFiles)
{
    if (m_verify && !m_ctx.zipReader)
        throw RunFailure(QCoreApplication::translate("SetProof", "the run is to verify its ZIPs but has nothing to read them with"));
}

SetProof::~SetProof()
{
    // The readers give up at their next piece; the futures wait for them.
    m_abandon = true;
    m_pending.reset();
    m_volumes.reset();
}

bool SetProof::waitFor(const std::function<bool()>& ready, bool honourStop)
{
    while (!ready()) {
        if (honourStop && m_stopRequested) {
            m_abandon = true;
            return false;
        }
        m_ctx.services.shell->processPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void SetProof::begin(const QString& firstVolumeHost)
{
    if (!m_verify || !m_ctx.volumeTester)
        return;
    startVolumeTest([firstVolumeHost](VolumeSetTester& tester, const VolumeSetTester::Progress& progress) {
        return tester.testFiles(firstVolumeHost, progress);
    });
}

void SetProof::begin(const QString& firstVolumeName, const VolumeSetTester::Volumes& volumes)
{
    if (!m_verify || !m_ctx.volumeTester)
        return;
    startVolumeTest([firstVolumeName, volumes](VolumeSetTester& tester, const VolumeSetTester::Progress& progress) {
        return tester.testVolumes(firstVolumeName, volumes, progress);
    });
}

void SetProof::startVolumeTest(
    std::function<VolumeSetTester::Verdict(VolumeSetTester&, const VolumeSetTester::Progress&)> test)
{
    m_volumes = std::make_unique<VolumeTest>();
    VolumeSetTester* tester = m_ctx.volumeTester;
    VolumeTest* state = m_volumes.get();
    std::atomic<bool>* abandon = &m_abandon;
    state->verdict = std::async(std::launch::async, [tester, state, abandon, test = std::move(test)] {
        return test(*tester, [state, abandon](int index, qint64) {
            state->reading = index;
            return !abandon->load();
        });
    });
}

QString SetProof::volumesFault(int upToVolume, bool honourStop)
{
    if (!m_volumes)
        return {};
    VolumeTest& test = *m_volumes;
    const auto ended = [&test] {
        return test.taken || test.verdict.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    };
    if (!waitFor([&] { return test.reading >= upToVolume || ended(); }, honourStop))
        return QCoreApplication::translate("SetProof", "stopped while the volumes were tested");
    if (!ended())
        return {};
    if (!test.taken)
        test.taken = test.verdict.get();
    if (test.taken->sound)
        return {};
    m_volumesUnsound = true;
    return QCoreApplication::translate("SetProof", "the volume set the archiver wrote is not sound: ") + test.taken->fault;
}

SetProof::Step SetProof::zipWritten(int n, const ZipNameParts& names, const QString& volumeName,
                                    const QString& volumeHost, const QList<ZipComponent::WrittenFile>& written)
{
    const auto host = m_ctx.services.drives->toHost(names.target + QStringLiteral(".zip"));
    if (!host)
        throw RunFailure(QCoreApplication::translate("SetProof", "no drive for ") + names.target);
    noteStem(names);
    Zip zip{names.shownName, *host, QFileInfo(*host).size(), 0, {}};
    if (!m_verify) {
        if (m_checksums) {
            const FileDigest digest = FileDigest::of(*host);
            if (!digest.ok)
                return Step{{}, {}, QCoreApplication::translate("SetProof", "%1 cannot be read for its checksums: %2").arg(zip.name, digest.error), n};
            zip.crc = digest.crc;
            zip.sha256 = digest.sha256;
        }
        m_zips << zip;
        return Step{{volumeHost}, {n}, {}, 0};
    }

    // The ZIP before this one was read back while this one was written.
    Step step = settle();
    if (!step.fault.isEmpty())
        return step;
    m_pending = Pending{n, zip, volumeName, volumeHost, written, readBack(*host)};
    return step;
}

std::future<std::pair<ZipReadBack, FileDigest>> SetProof::readBack(const QString& host)
{
    ZipReader* reader = m_ctx.zipReader;
    std::atomic<bool>* abandon = &m_abandon;
    const bool sums = m_checksums;
    return std::async(std::launch::async, [reader, abandon, sums, host] {
        const auto goOn = [abandon](qint64) { return !abandon->load(); };
        std::pair<ZipReadBack, FileDigest> result{reader->readBack(host, goOn), {}};
        if (sums && result.first.sound())
            result.second = FileDigest::of(host, goOn);
        return result;
    });
}

SetProof::Step SetProof::zipFound(int n, const ZipNameParts& names, const QString& volumeName,
                                  const QString& volumeHost, bool& sound)
{
    sound = true;
    Step step = settle();
    if (!step.fault.isEmpty())
        return step;
    // Without a reader it is taken as the run that wrote it left it.
    if (!m_ctx.zipReader) {
        const Step found = zipWritten(n, names, volumeName, volumeHost, {});
        return Step{step.proven + found.proven, step.provenZips + found.provenZips, found.fault, found.firstUnproven};
    }
    const auto host = m_ctx.services.drives->toHost(names.target + QStringLiteral(".zip"));
    if (!host)
        throw RunFailure(QCoreApplication::translate("SetProof", "no drive for ") + names.target);
    noteStem(names);
    Pending found{n, Zip{names.shownName, *host, QFileInfo(*host).size(), 0, {}}, volumeName, volumeHost, {}, readBack(*host)};
    const auto ready = [&found] { return found.read.wait_for(std::chrono::seconds(0)) == std::future_status::ready; };
    if (!waitFor(ready))
        return Step{step.proven, step.provenZips, QCoreApplication::translate("SetProof", "stopped while %1 was checked").arg(found.zip.name), n};
    const auto [back, digest] = found.read.get();
    if (back.state == ZipReadBack::State::Stopped)
        return Step{step.proven, step.provenZips, QCoreApplication::translate("SetProof", "stopped while %1 was checked").arg(found.zip.name), n};
    if (!judge(found, back, digest).isEmpty()) {
        sound = false;
        return step;
    }
    if (const QString fault = volumesFault(n); !fault.isEmpty())
        return Step{step.proven, step.provenZips, fault, n};
    m_zips << found.zip;
    step.proven << volumeHost;
    step.provenZips << n;
    return step;
}

void SetProof::noteStem(const ZipNameParts& names)
{
    if (!m_zips.isEmpty() || m_pending)
        return;
    m_stem = names.shownName.chopped(4);
    m_stem.chop(names.numberText.size());
    m_digits = int(names.numberText.size());
}

SetProof::Step SetProof::zipKept(int n, const ZipNameParts& names)
{
    const auto host = m_ctx.services.drives->toHost(names.target + QStringLiteral(".zip"));
    if (!host)
        throw RunFailure(QCoreApplication::translate("SetProof", "no drive for ") + names.target);
    Step step = settle();
    if (!step.fault.isEmpty())
        return step;
    noteStem(names);
    Zip zip{names.shownName, *host, QFileInfo(*host).size(), 0, {}};
    FileDigest digest;
    if (m_verify) {
        ZipReader* reader = m_ctx.zipReader;
        std::atomic<bool>* abandon = &m_abandon;
        const bool sums = m_checksums;
        auto read = std::async(std::launch::async, [reader, abandon, sums, path = *host] {
            const auto goOn = [abandon](qint64) { return !abandon->load(); };
            std::pair<ZipReadBack, FileDigest> result{reader->readBack(path, goOn), {}};
            if (sums && result.first.sound())
                result.second = FileDigest::of(path, goOn);
            return result;
        });
        if (!waitFor([&read] { return read.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }))
            return Step{step.proven, step.provenZips, QCoreApplication::translate("SetProof", "stopped while %1 was checked").arg(zip.name), n};
        const auto [back, keptDigest] = read.get();
        if (back.state == ZipReadBack::State::Stopped)
            return Step{step.proven, step.provenZips, QCoreApplication::translate("SetProof", "stopped while %1 was checked").arg(zip.name), n};
        if (!back.sound())
            return Step{step.proven, step.provenZips, QCoreApplication::translate("SetProof", "%1 does not read back: %2").arg(zip.name, back.detail), n};
        digest = keptDigest;
    } else if (m_checksums) {
        digest = FileDigest::of(*host);
    }
    if (m_checksums) {
        if (!digest.ok)
            return Step{step.proven, step.provenZips, QCoreApplication::translate("SetProof", "%1 cannot be read for its checksums: %2").arg(zip.name, digest.error), n};
        zip.crc = digest.crc;
        zip.sha256 = digest.sha256;
    }
    m_zips << zip;
    return step;
}

SetProof::Step SetProof::settle(bool honourStop)
{
    if (!m_pending)
        return {};
    Pending& pending = *m_pending;
    const auto ready = [&pending] { return pending.read.wait_for(std::chrono::seconds(0)) == std::future_status::ready; };
    if (!ready() && honourStop) {
        m_ctx.view.run.status = QCoreApplication::translate("SetProof", "checking ") + pending.zip.name;
        m_ctx.view.notify();
    }
    QString fault;
    if (waitFor(ready, honourStop)) {
        const auto [back, digest] = pending.read.get();
        fault = judge(pending, back, digest);
        if (fault.isEmpty())
            fault = volumesFault(pending.volume, honourStop);
    } else {
        fault = QCoreApplication::translate("SetProof", "stopped while %1 was checked").arg(pending.zip.name);
    }
    Step step;
    if (fault.isEmpty()) {
        m_zips << pending.zip;
        step.proven << pending.volumeHost;
        step.provenZips << pending.volume;
    } else {
        step.fault = fault;
        step.firstUnproven = pending.volume;
    }
    m_pending.reset();
    return step;
}

SetProof::Step SetProof::finish(bool whole)
{
    Step step = settle(whole);
    if (whole && step.fault.isEmpty() && m_volumes && !m_zips.isEmpty()) {
        // Every volume is in a ZIP by now: the set's test must have ended.
        const QString fault = volumesFault(int(m_zips.size()) + 1);
        if (!fault.isEmpty())
            return Step{step.proven, step.provenZips, fault, int(m_zips.size()) + 1};
    }
    return step;
}

QString SetProof::judge(Pending& pending, const ZipReadBack& back, const FileDigest& digest)
{
    const Zip& zip = pending.zip;
    if (back.state == ZipReadBack::State::Stopped)
        return QCoreApplication::translate("SetProof", "stopped while %1 was checked").arg(zip.name);
    if (!back.sound())
        return QCoreApplication::translate("SetProof", "%1 does not read back: %2").arg(zip.name, back.detail);

    QList<ZipComponent::WrittenFile> expected = pending.written;
    bool volumeTold = false;
    for (const ZipComponent::WrittenFile& f : expected)
        volumeTold = volumeTold || f.zipName.compare(pending.volumeName, Qt::CaseInsensitive) == 0;
    if (!volumeTold) {
        // A writer that does not say what it read: the volume is read again.
        const FileDigest volume = FileDigest::of(pending.volumeHost);
        if (!volume.ok)
            return QCoreApplication::translate("SetProof", "the volume %1 of %2 cannot be read: %3").arg(pending.volumeName, zip.name, volume.error);
        expected << ZipComponent::WrittenFile{pending.volumeName, volume.crc, volume.size};
    }
    for (const ZipComponent::WrittenFile& f : expected) {
        const ZipEntryInfo* entry = back.find(f.zipName);
        if (!entry)
            return QCoreApplication::translate("SetProof", "%1 does not hold %2").arg(zip.name, f.zipName);
        if (entry->crc != f.crc || entry->size != f.size)
            return QCoreApplication::translate("SetProof", "%1: %2 in it (CRC %3, %4 bytes) differs from what was packed (CRC %5, %6 bytes)")
                .arg(zip.name, f.zipName, hex(entry->crc))
                .arg(entry->size)
                .arg(hex(f.crc))
                .arg(f.size);
    }
    const qint64 volumeBytes = QFileInfo(pending.volumeHost).size();
    if (const ZipEntryInfo* volume = back.find(pending.volumeName); volume->size != volumeBytes)
        return QCoreApplication::translate("SetProof", "%1: %2 in it has %3 bytes, the volume %4")
            .arg(zip.name, pending.volumeName)
            .arg(volume->size)
            .arg(volumeBytes);
    if (m_checksums) {
        if (!digest.ok)
            return QCoreApplication::translate("SetProof", "%1 cannot be read for its checksums: %2").arg(zip.name, digest.error);
        pending.zip.crc = digest.crc;
        pending.zip.sha256 = digest.sha256;
    }
    return {};
}

QString SetProof::listAlso(const QString& hostPath)
{
    if (!m_checksums)
        return {};
    const FileDigest digest = FileDigest::of(hostPath);
    const QFileInfo info(hostPath);
    if (!digest.ok)
        return QCoreApplication::translate("SetProof", "%1 cannot be read for its checksums: %2").arg(info.fileName(), digest.error);
    m_others << Zip{info.fileName(), hostPath, info.size(), digest.crc, digest.sha256};
    return {};
}

QString SetProof::writeChecksumFiles()
{
    if (!m_checksums || m_zips.isEmpty())
        return {};
    QList<ChecksumItem> items;
    for (const QList<Zip>* files : {&m_zips, &m_others}) {
        for (const Zip& z : *files)
            items << ChecksumItem{z.name, z.crc, z.sha256};
    }
    const QString folder = QFileInfo(m_zips.front().host).absolutePath();
    const QDateTime made = m_ctx.services.clock ? m_ctx.services.clock->now() : QDateTime::currentDateTime();
    const QList<std::pair<QString, QByteArray>> files{
        {m_stem + QStringLiteral(".sfv"), SfvFile::write(items, QStringLiteral("Zavok32 " ZAVOK32_VERSION), made)},
        {m_stem + QStringLiteral(".sha256"), Sha256File::write(items)},
    };
    for (const auto& [name, bytes] : files) {
        QSaveFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return QCoreApplication::translate("SetProof", "the checksum file %1 cannot be written: %2").arg(name, file.errorString());
    }
    return {};
}

QStringList SetProof::leftovers() const
{
    if (m_zips.isEmpty() || m_digits == 0)
        return {};
    QStringList own;
    for (const Zip& z : m_zips)
        own << z.name.toLower();
    QStringList left;
    const QString folder = QFileInfo(m_zips.front().host).absolutePath();
    for (const QString& f : QDir(folder).entryList(QDir::Files, QDir::Name)) {
        if (own.contains(f.toLower()))
            continue;
        for (const int digits : {2, 3}) {
            const auto split = setnames::splitZipName(f, digits);
            if (split && split->stem.compare(m_stem, Qt::CaseInsensitive) == 0) {
                left << f;
                break;
            }
        }
    }
    return left;
}

QString SetProof::verdictLine() const
{
    QString line;
    if (m_verify) {
        const QString count = m_zips.size() == 1 ? QCoreApplication::translate("SetProof", "1 ZIP") : QCoreApplication::translate("SetProof", "%1 ZIPs").arg(m_zips.size());
        line = m_volumes ? QCoreApplication::translate("SetProof", "Verified: %1 and the set are sound").arg(count)
                         : QCoreApplication::translate("SetProof", "Verified: %1 %2 sound").arg(count, m_zips.size() == 1 ? QCoreApplication::translate("SetProof", "is") : QCoreApplication::translate("SetProof", "are"));
    }
    if (m_ctx.job.archiveSizeStep() == floppyfit::kFloppyStep) {
        QList<floppyfit::ZipSize> sizes;
        for (const Zip& z : m_zips)
            sizes << floppyfit::ZipSize{z.name, z.bytes};
        const QString fit = floppyfit::fitText(sizes);
        if (!fit.isEmpty())
            line = line.isEmpty() ? fit.left(1).toUpper() + fit.mid(1) : line + QStringLiteral("; ") + fit;
    }
    return line;
}

QString SetProof::failedLine(const QString& fault)
{
    return QCoreApplication::translate("SetProof", "Verify failed: ") + fault;
}
