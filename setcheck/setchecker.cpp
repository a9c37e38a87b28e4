#include "setcheck/setchecker.h"

#include "platform/zipreader.h"
#include "setcheck/filedigest.h"
#include "setcheck/setfinder.h"
#include "setcheck/setnames.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString hex(std::uint32_t crc)
{
    return QString::number(crc, 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

QString listedBy(const FoundSet& set)
{
    return set.checksumFiles.isEmpty() ? QCoreApplication::translate("SetChecker", "its checksum file") : set.checksumFiles.join(QCoreApplication::translate("SetChecker", " and "));
}

// What differs between a file and the sums a checksum file lists for it;
// empty when nothing does.
QString sumsDiffer(const FoundSet& set, const SetFile& file, const FileDigest& digest)
{
    if (file.sums.crc && *file.sums.crc != digest.crc)
        return QCoreApplication::translate("SetChecker", "its CRC is %1 where %2 lists %3").arg(hex(digest.crc), listedBy(set), hex(*file.sums.crc));
    if (!file.sums.sha256.isEmpty() && file.sums.sha256 != digest.sha256)
        return QCoreApplication::translate("SetChecker", "its SHA-256 differs from what %1 lists").arg(listedBy(set));
    return {};
}

// A checksum list names files of the set's own folder, and only regular
// files are read: a name with a path, or a pipe or device under a listed
// name, would read outside the set or never end.
bool unreadable(const QString& host, FileVerdict& v)
{
    if (v.name.contains(QLatin1Char('/')) || v.name == QLatin1String(".") || v.name == QLatin1String("..")) {
        v.state = FileVerdict::State::Damaged;
        v.detail = QCoreApplication::translate("SetChecker", "it is listed with a path outside the set's folder");
        return true;
    }
    const QFileInfo info(host);
    if (!info.exists()) {
        v.state = FileVerdict::State::Missing;
        return true;
    }
    if (!info.isFile()) {
        v.state = FileVerdict::State::Damaged;
        v.detail = QCoreApplication::translate("SetChecker", "it is not a regular file");
        return true;
    }
    return false;
}

} // namespace

SetChecker::SetChecker(ZipReader& reader, VolumeSetTester* tester)
    : m_reader(reader)
    , m_tester(tester)
{
}

FileVerdict SetChecker::checkZip(const FoundSet& set, const SetFile& file, const std::function<bool(qint64)>& advance,
                                 bool* stopped)
{
    FileVerdict v{file.name, file.number, FileVerdict::State::Sound, {}, {}};
    const QString host = set.hostPath(file.name);
    if (unreadable(host, v))
        return v;
    QString differs;
    if (file.listed) {
        const FileDigest digest = FileDigest::of(host, advance);
        if (!digest.ok && digest.error == QLatin1String("stopped")) {
            *stopped = true;
            return v;
        }
        differs = digest.ok ? sumsDiffer(set, file, digest) : QCoreApplication::translate("SetChecker", "cannot be read: ") + digest.error;
    }
    const ZipReadBack back = m_reader.readBack(host, advance);
    if (back.state == ZipReadBack::State::Stopped) {
        *stopped = true;
        return v;
    }
    if (!back.sound()) {
        v.state = back.state == ZipReadBack::State::Missing ? FileVerdict::State::Missing : FileVerdict::State::Damaged;
        v.detail = back.detail;
        return v;
    }
    for (const ZipEntryInfo& e : back.entries) {
        if (setnames::isVolumeName(e.name)) {
            v.volumeName = e.name;
            break;
        }
    }
    const auto description = m_reader.entryBytes(host, QStringLiteral("file_id.diz"), SetFinder::kMaxDescriptionBytes);
    const auto numbering = description ? setnames::findNumbering(*description, file.number) : std::nullopt;
    if (numbering && numbering->count != set.count) {
        v.state = FileVerdict::State::OtherSet;
        v.detail = QCoreApplication::translate("SetChecker", "its description counts %1 ZIPs, the set %2").arg(numbering->count).arg(set.count);
    } else if (!differs.isEmpty()) {
        v.state = FileVerdict::State::Damaged;
        v.detail = differs;
    } else if (v.volumeName.isEmpty()) {
        v.state = FileVerdict::State::Damaged;
        v.detail = QCoreApplication::translate("SetChecker", "it holds no archive volume");
    }
    return v;
}

FileVerdict SetChecker::checkExtra(const FoundSet& set, const SetFile& file, const std::function<bool(qint64)>& advance,
                                   bool* stopped)
{
    FileVerdict v{file.name, 0, FileVerdict::State::Sound, {}, {}};
    const QString host = set.hostPath(file.name);
    if (unreadable(host, v))
        return v;
    const FileDigest digest = FileDigest::of(host, advance);
    if (!digest.ok) {
        *stopped = digest.error == QLatin1String("stopped");
        v.state = FileVerdict::State::Damaged;
        v.detail = QCoreApplication::translate("SetChecker", "cannot be read: ") + digest.error;
        return v;
    }
    v.detail = sumsDiffer(set, file, digest);
    if (!v.detail.isEmpty())
        v.state = FileVerdict::State::Damaged;
    return v;
}

void SetChecker::testVolumes(SetCheckResult& result, const std::function<bool(qint64)>& advance)
{
    if (result.countOf(FileVerdict::State::Sound) != result.zips.size()) {
        result.volumes = SetCheckResult::Volumes::NotWhole;
        return;
    }
    if (!m_tester || result.zips.isEmpty()) {
        result.volumes = SetCheckResult::Volumes::NotTested;
        return;
    }
    const QList<FileVerdict>& zips = result.zips;
    const FoundSet& set = result.set;
    VolumeSetTester::Volumes volumes;
    volumes.name = [&zips](int index) { return index < zips.size() ? zips[index].volumeName : QString(); };
    volumes.open = [this, &zips, &set](int index, bool* missing, QString* error) -> std::unique_ptr<QIODevice> {
        if (index >= zips.size()) {
            *missing = true;
            return nullptr;
        }
        return m_reader.openEntry(set.hostPath(zips[index].name), zips[index].volumeName, error);
    };
    qint64 told = 0;
    const VolumeSetTester::Verdict verdict =
        m_tester->testVolumes(zips.front().volumeName, volumes, [&advance, &told](int, qint64 read) {
            const qint64 more = read - told;
            told = read;
            return advance(more);
        });
    result.volumes = verdict.sound ? SetCheckResult::Volumes::Sound : SetCheckResult::Volumes::Faulty;
    result.volumesDetail = verdict.fault;
}

SetCheckResult SetChecker::check(const FoundSet& set, const Progress& progress)
{
    SetCheckResult result;
    result.set = set;
    const int units = int(set.zips.size() + set.strays.size() + set.extras.size()) + 1;
    int unit = 0;
    qint64 unitBytes = 1;
    qint64 doneBytes = 0;
    QString status;
    bool stopped = false;
    const auto begin = [&](const QString& name, qint64 bytes) {
        status = name;
        unitBytes = std::max<qint64>(1, bytes);
        doneBytes = 0;
    };
    const std::function<bool(qint64)> advance = [&](qint64 bytes) {
        doneBytes += bytes;
        const int inner = int(std::min<qint64>(100, doneBytes * 100 / unitBytes));
        if (progress && !progress(status, (unit * 100 + inner) / units)) {
            stopped = true;
            return false;
        }
        return true;
    };

    for (const SetFile& file : set.zips) {
        const qint64 size = QFileInfo(set.hostPath(file.name)).size();
        begin(file.name, size * (file.listed ? 3 : 2));
        result.zips << checkZip(set, file, advance, &stopped);
        ++unit;
        if (stopped || !advance(0))
            break;
    }
    for (const SetFile& file : set.strays) {
        if (stopped)
            break;
        FileVerdict v{file.name, file.number, FileVerdict::State::OtherSet, {}, {}};
        const auto description = m_reader.entryBytes(set.hostPath(file.name), QStringLiteral("file_id.diz"),
                                                     SetFinder::kMaxDescriptionBytes);
        const auto numbering = description ? setnames::findNumbering(*description, file.number) : std::nullopt;
        if (numbering)
            v.detail = QCoreApplication::translate("SetChecker", "its description says %1/%2").arg(numbering->number).arg(numbering->count);
        else if (!set.checksumFiles.isEmpty())
            v.detail = QCoreApplication::translate("SetChecker", "%1 does not list it").arg(set.checksumFiles.first());
        else
            v.detail = QCoreApplication::translate("SetChecker", "numbered past the set's %1").arg(set.count);
        result.strays << v;
        ++unit;
    }
    for (const SetFile& file : set.extras) {
        if (stopped)
            break;
        begin(file.name, QFileInfo(set.hostPath(file.name)).size());
        result.extras << checkExtra(set, file, advance, &stopped);
        ++unit;
    }
    if (!stopped) {
        qint64 zipBytes = 0;
        for (const SetFile& file : set.zips)
            zipBytes += QFileInfo(set.hostPath(file.name)).size();
        begin(QCoreApplication::translate("SetChecker", "the volumes inside"), zipBytes);
        testVolumes(result, advance);
    }
    result.stopped = stopped;
    if (progress && !stopped)
        progress(QString(), 100);
    return result;
}
