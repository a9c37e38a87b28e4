#include "source/sourcemeasurement.h"

#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "platform/driveservice.h"
#include "platform/numbertext.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "job/volumeestimate.h"

namespace {

QString totalBytes()
{
    return QCoreApplication::translate("SourceMeasurement", " Total bytes");
}

} // namespace

SourceMeasurement::SourceMeasurement(RipJob& job, RipRunState& state, ViewState& view, Services& services)
    : m_job(job)
    , m_state(state)
    , m_view(view)
    , m_services(services)
{
}

QString SourceMeasurement::folderSizeLabel(qint64 bytes)
{
    return numbertext::grouped(bytes) + totalBytes();
}

QString SourceMeasurement::imageSizeLabel(qint64 bytes)
{
    return numbertext::groupedOrEmpty(bytes) + totalBytes();
}

float SourceMeasurement::folderMegabytes(qint64 bytes)
{
    return bytes > 1000000 ? imageMegabytes(bytes) : 0.0f;
}

float SourceMeasurement::imageMegabytes(qint64 bytes)
{
    return float(bytes) / 1000000.0f;
}

std::optional<qint64> SourceMeasurement::sourceBytes() const
{
    const QString path = m_job.sourcePath();
    const DriveService& drives = *m_services.drives;
    if (RipJob::sourceKindOf(false, path) == SourceKind::WholeDrive) {
        // A drive root measures its used space, so a CD measures its whole
        // contents without walking it. A folder written with a closing "\"
        // in a script is still a folder. A letter that names a plain folder
        // of a larger disk has that folder as its contents, not the disk.
        const QString drive = path.left(2);
        const auto mountPoint = drives.driveIsMountPoint(drive);
        if (!mountPoint)
            return std::nullopt;
        if (!*mountPoint)
            return drives.folderSize(drive + QLatin1Char('\\'));
        const auto total = drives.driveTotalBytes(drive);
        const auto free = drives.driveFreeBytes(drive);
        if (!total || !free)
            return std::nullopt;
        return *total - *free;
    }
    return drives.folderSize(path);
}

void SourceMeasurement::beginBusy(bool letEventsRun)
{
    m_view.source.sizeLabel = calculatingText();
    m_view.source.browseEnabled = false;
    m_view.window.listBarEnabled = false;
    m_view.window.busyPointer = true;
    m_view.notify();
    if (letEventsRun && m_services.shell)
        m_services.shell->processPendingEvents();
}

void SourceMeasurement::endBusy()
{
    m_view.window.busyPointer = false;
    m_view.source.browseEnabled = true;
    m_view.window.listBarEnabled = true;
    m_view.notify();
}

void SourceMeasurement::measureFolder()
{
    beginBusy(true);
    const qint64 bytes = sourceBytes().value_or(0);
    m_view.source.sizeLabel = folderSizeLabel(bytes);
    m_job.setSourceMegabytes(folderMegabytes(bytes));
    endBusy();
}

bool SourceMeasurement::measureImage(const QString& imagePath)
{
    const auto bytes = m_services.drives->fileLength(imagePath);
    if (!bytes)
        return false;
    m_view.source.sizeLabel = imageSizeLabel(*bytes);
    m_view.notify();
    const float megabytes = imageMegabytes(*bytes);
    if (const auto whole = numbertext::toInt16(double(megabytes)))
        m_job.setSourceWholeMegabytes(*whole);
    m_job.setSourceMegabytes(megabytes);
    return true;
}

void SourceMeasurement::showBrowseEstimate()
{
    if (const auto whole = numbertext::toInt16(double(m_job.sourceMegabytes())))
        m_job.setSourceWholeMegabytes(*whole);
    const int step = m_job.archiveSizeStep();
    if (step == 0)
        m_view.zip.estimateCaption = VolumeEstimate::singleArchiveCaption();
    else
        m_view.zip.estimateCaption
            = VolumeEstimate::browseCountCaption(VolumeEstimate::volumeCount(m_job.sourceMegabytes(), step));
    m_view.notify();
}

bool SourceMeasurement::measureSource()
{
    beginBusy(false);
    // An image job read from a script is measured as Browse measures its
    // image; anything else as a folder or drive.
    const bool image = m_job.imageMode();
    const auto bytes = image ? m_services.drives->fileLength(m_job.sourcePath()) : sourceBytes();
    if (!bytes) {
        m_view.source.sizeLabel = errorText();
        endBusy();
        return false;
    }
    m_view.source.sizeLabel = image ? imageSizeLabel(*bytes) : folderSizeLabel(*bytes);
    m_job.setSourceMegabytes(image ? imageMegabytes(*bytes) : folderMegabytes(*bytes));

    const auto whole = numbertext::toInt16(double(m_job.sourceMegabytes()));
    if (!whole) {
        m_view.source.sizeLabel = errorText();
        endBusy();
        return false;
    }
    m_job.setSourceWholeMegabytes(*whole);

    const int step = m_job.archiveSizeStep();
    if (step == 0) {
        m_view.zip.estimateCaption = VolumeEstimate::singleArchiveCaption();
        m_view.zip.sizeCaption = VolumeEstimate::singleArchiveSizeCaption();
    } else {
        const float count = VolumeEstimate::volumeCount(m_job.sourceMegabytes(), step);
        m_state.threeDigitNumbering = VolumeEstimate::needsThreeDigits(count);
        m_view.zip.estimateCaption = VolumeEstimate::countCaption(count);
    }
    endBusy();
    return true;
}
