#include "source/outputmode.h"

#include "job/ripjob.h"
#include "job/viewstate.h"

OutputMode::OutputMode(RipJob& job, ViewState& view)
    : m_job(job)
    , m_view(view)
{
}

void OutputMode::apply(bool archivesOnly)
{
    if (archivesOnly)
        disableZips();
    else
        enableZips();
}

void OutputMode::disableZips()
{
    m_job.setExtraPath(QString());
    m_job.setZipDirectory(QString());
    m_job.setSkipEntries(QString());
    // "&None", with what choosing it does on the Diz page.
    m_job.setAutoNumbering(false);
    m_job.chooseExtra(ExtraChoice::Neither);
    m_job.setFirstZipOnly(0);

    DizPageView& diz = m_view.diz;
    diz.numberBoxesEnabled = false;
    diz.testEnabled = false;
    diz.numberingChoiceEnabled = false;
    diz.labelsEnabled = false;
    diz.separatorShown = false;

    NfoPageView& nfo = m_view.nfo;
    nfo.extraPanelGreyed = true;
    nfo.extraBrowseEnabled = false;
    nfo.extraChoicesEnabled = false;
    nfo.firstZipOnlyEnabled = false;
    nfo.extraLabelEnabled = false;

    ZipPageView& zip = m_view.zip;
    zip.directoryPanelGreyed = true;
    zip.zipCompressionEnabled = false;
    zip.directoryBrowseEnabled = false;
    zip.zipLabelsEnabled = false;

    m_view.skip.bodyEnabled = false;
    m_view.notify();
}

void OutputMode::enableZips()
{
    DizPageView& diz = m_view.diz;
    diz.filesEnabled = true;
    diz.numberingChoiceEnabled = true;
    diz.labelsEnabled = true;
    diz.separatorShown = true;

    NfoPageView& nfo = m_view.nfo;
    nfo.filesEnabled = true;
    nfo.extraPanelGreyed = false;
    nfo.extraChoicesEnabled = true;
    nfo.firstZipOnlyEnabled = true;
    nfo.extraLabelEnabled = true;

    ZipPageView& zip = m_view.zip;
    zip.directoryPanelGreyed = false;
    zip.zipCompressionEnabled = true;
    zip.directoryBrowseEnabled = true;
    zip.zipLabelsEnabled = true;

    // Skip entries are never handed to the archiver for an image.
    m_view.skip.bodyEnabled = !m_job.imageMode();
    m_view.notify();
}
