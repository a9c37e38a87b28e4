#include "setcheck/archivesettester.h"

#include "archivers/commandline.h"
#include "archivers/settester.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The caller's volumes as the archivers' reader asks for them.
class Opener : public VolumeOpener
{
public:
    explicit Opener(const VolumeSetTester::Volumes& volumes)
        : m_volumes(volumes)
    {
    }
    QString name(int index) const override { return m_volumes.name ? m_volumes.name(index) : QString(); }
    Opened open(int index) override
    {
        Opened opened;
        opened.device = m_volumes.open(index, &opened.missing, &opened.error);
        return opened;
    }

private:
    const VolumeSetTester::Volumes& m_volumes;
};

// Where the reader is: the volume it reads and the bytes it has read.
struct Reading {
    int volume = 0;
    qint64 bytes = 0;
};

SetTester::Observer observing(const VolumeSetTester::Progress& progress, Reading* reading)
{
    SetTester::Observer observer;
    if (!progress)
        return observer;
    // A stop asked for as a volume begins is taken at the next bytes read.
    observer.volumeStarted = [progress, reading](int index, const QString&) {
        reading->volume = index;
        progress(index, reading->bytes);
    };
    observer.progress = [progress, reading](uint64_t bytes) {
        reading->bytes = qint64(bytes);
        return progress(reading->volume, reading->bytes);
    };
    return observer;
}

VolumeSetTester::Verdict verdictOf(const SetTestResult& result)
{
    VolumeSetTester::Verdict verdict;
    verdict.volumes = int(result.volumes.size());
    if (!result.sound()) {
        verdict.sound = false;
        verdict.fault = result.fault().text();
    } else if (const int untested = result.untested()) {
        verdict.sound = false;
        verdict.fault = untested == 1 ? QCoreApplication::translate("ArchiveSetTester", "1 file is packed in a way that cannot be tested")
                                      : QCoreApplication::translate("ArchiveSetTester", "%1 files are packed in a way that cannot be tested").arg(untested);
    }
    return verdict;
}

VolumeSetTester::Verdict notAVolume(const QString& name)
{
    return {false, name + QCoreApplication::translate("ArchiveSetTester", " is not the first volume of a RAR or ACE set"), 0};
}

} // namespace

std::optional<ArchiverKind> ArchiveSetTester::kindOf(const QString& firstVolumeName)
{
    const QString suffix = QFileInfo(firstVolumeName).suffix().toLower();
    if (suffix == QLatin1String("rar") || suffix == QLatin1String("001"))
        return ArchiverKind::Rar;
    if (suffix == QLatin1String("ace"))
        return ArchiverKind::Ace;
    return std::nullopt;
}

VolumeSetTester::Verdict ArchiveSetTester::testFiles(const QString& firstVolumeHostPath, const Progress& progress)
{
    const auto kind = kindOf(firstVolumeHostPath);
    if (!kind)
        return notAVolume(QFileInfo(firstVolumeHostPath).fileName());
    Reading reading;
    return verdictOf(SetTester::testFiles(*kind, firstVolumeHostPath, observing(progress, &reading)));
}

VolumeSetTester::Verdict ArchiveSetTester::testVolumes(const QString& firstVolumeName, const Volumes& volumes,
                                                       const Progress& progress)
{
    const auto kind = kindOf(firstVolumeName);
    if (!kind)
        return notAVolume(firstVolumeName);
    Opener opener(volumes);
    Reading reading;
    return verdictOf(SetTester::test(*kind, opener, observing(progress, &reading)));
}
