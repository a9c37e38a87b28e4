#include "source/sourcebrowse.h"

#include "job/ripjob.h"
#include "platform/filedialog.h"
#include "platform/folderpicker.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "source/folderselection.h"
#include "source/outputmode.h"
#include "source/ripintoquestion.h"
#include "source/sourcemeasurement.h"
#include "source/workdrive.h"

SourceBrowse::SourceBrowse(RipJob& job, Services& services, FolderSelection& folderSelection,
                           SourceMeasurement& measurement, WorkDrive& workDrive, OutputMode& outputMode,
                           RipIntoQuestion& question)
    : m_job(job)
    , m_services(services)
    , m_folderSelection(folderSelection)
    , m_measurement(measurement)
    , m_workDrive(workDrive)
    , m_outputMode(outputMode)
    , m_question(question)
{
}

void SourceBrowse::browseSource()
{
    m_services.shell->focus(FocusTarget::SourceSink);
    m_job.setCuePath(QString());
    m_job.setSkipEntries(QString());
    m_folderSelection.setSourceBrowseIsFolder(false);

    const bool image = m_job.imageMode();
    if (!image)
        m_job.setArchivesOnly(false);
    if (image ? !browseImage() : !browseFolder())
        return;

    m_workDrive.freeSpaceTest();
    m_measurement.showBrowseEstimate();
}

bool SourceBrowse::browseImage()
{
    m_job.setSourcePath(QString());
    FileDialogRequest request;
    request.title = imageTitle();
    request.filter = imageFilter();
    request.filterIndex = 1;
    request.fileName = QStringLiteral("*.iso");
    const auto chosen = m_services.fileDialog->ask(request);
    const QString image = chosen ? chosen->toLower() : QString();
    if (image.isEmpty())
        return false;

    m_job.setSourcePath(image);
    if (!m_measurement.measureImage(image)) {
        m_job.setSourcePath(QString());
        return false;
    }
    m_job.setArchivesOnly(askRipInto());

    if (image.right(4) == QLatin1String(".bin")) {
        FileDialogRequest cueRequest;
        cueRequest.title = imageTitle();
        cueRequest.filter = cueFilter();
        cueRequest.filterIndex = 1;
        cueRequest.fileName = QStringLiteral("*.cue");
        cueRequest.initialDir = image;
        const auto cue = m_services.fileDialog->ask(cueRequest);
        const QString cuePath = cue ? cue->toLower() : QString();
        if (cuePath.isEmpty()) {
            m_job.setSourcePath(QString());
            return false;
        }
        m_job.setCuePath(cuePath);
    }
    m_outputMode.apply(m_job.archivesOnly());
    return true;
}

bool SourceBrowse::browseFolder()
{
    m_folderSelection.setSourceBrowseIsFolder(true);
    FolderPickerRequest request;
    request.title = folderTitle();
    request.root = QStringLiteral("desktop");
    request.initialSelection = m_job.sourcePath();
    const auto chosen = m_services.folderPicker->pick(request, m_folderSelection.handler());
    if (!chosen)
        return false;

    m_job.setSourcePath(chosen->toLower());
    m_job.setSkipEntries(QString());
    if (m_job.sourcePath().isEmpty())
        return false;
    m_measurement.measureFolder();
    return true;
}

bool SourceBrowse::askRipInto()
{
    Shell& shell = *m_services.shell;
    shell.setMainWindowEnabled(false);
    const RipIntoQuestion::Choice choice = m_question.ask();
    shell.setMainWindowEnabled(true);
    return RipIntoQuestion::archivesOnly(choice);
}
