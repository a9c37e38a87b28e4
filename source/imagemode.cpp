#include "source/imagemode.h"

#include "job/ripjob.h"
#include "job/viewstate.h"
#include "platform/driveservice.h"
#include "source/outputmode.h"

namespace {

constexpr int kImageSizeStep = 10;
constexpr int kFolderSizeStep = 3;

} // namespace

ImageMode::ImageMode(RipJob& job, ViewState& view, OutputMode& outputMode)
    : m_job(job)
    , m_view(view)
    , m_outputMode(outputMode)
{
}

void ImageMode::setImageMode(bool ticked)
{
    m_job.setSourcePath(QString());
    m_view.source.sizeLabel.clear();
    m_view.zip.estimateCaption.clear();
    m_job.setSourceMegabytes(0.0f);

    if (ticked) {
        m_job.setImageMode(true);
        m_job.setArchiveSizeStep(kImageSizeStep);
        m_view.skip.bodyEnabled = false;
        m_view.window.skipItemShown = false;
        m_view.window.skipMenuEnabled = false;
        m_job.setSkipEntries(QString());
    } else {
        m_view.window.skipItemShown = true;
        m_view.window.skipMenuEnabled = true;
        // The switch goes off before the step goes back to 3, which an
        // image would raise to its smallest volume again.
        m_job.setImageMode(false);
        m_job.setArchivesOnly(false);
        m_job.setArchiveSizeStep(kFolderSizeStep);
        m_outputMode.enableZips();
    }
    m_view.notify();
}

bool ImageMode::namesImageFile(const QString& path)
{
    const QString ending = path.right(4).toLower();
    return ending == QLatin1String(".iso") || ending == QLatin1String(".bin");
}

void ImageMode::adoptScriptImage(const DriveService& drives)
{
    const QString source = m_job.sourcePath();
    if (m_job.imageMode() || !namesImageFile(source) || !drives.fileExists(source))
        return;
    const int step = m_job.archiveSizeStep();
    setImageMode(true);
    m_job.setSourcePath(source);
    m_job.setArchiveSizeStep(step);
    if (source.right(4).toLower() == QLatin1String(".bin")) {
        const QString cue = source.left(source.size() - 4) + QStringLiteral(".cue");
        if (drives.fileExists(cue))
            m_job.setCuePath(cue.toLower());
    }
}
