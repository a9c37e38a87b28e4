#include "pipeline/runprogress.h"

#include "job/viewstate.h"

#include <algorithm>
#include <chrono>

RunProgress::RunProgress(ViewState& view, MsClock clock)
    : m_view(view)
    , m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] {
            return qint64(std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now().time_since_epoch())
                              .count());
        };
}

void RunProgress::start(qint64 sourceBytes, bool archivesOnly)
{
    m_startMs = m_clock();
    m_sourceBytes = std::max<qint64>(0, sourceBytes);
    m_archivedBytes = m_volumeBytes = m_packedBytes = m_currentVolume = m_currentDone = 0;
    m_volumesKnown = false;
    m_volumes = 0;
    m_view.wholeRun = WholeRunView{};
    m_view.wholeRun.running = true;
    m_view.wholeRun.archivesOnly = archivesOnly;
    update();
    m_view.notify();
}

void RunProgress::archiverPercent(int percent)
{
    const qint64 archived = m_sourceBytes * std::clamp(percent, 0, 100) / 100;
    if (archived == m_archivedBytes && percent != 0)
        return;
    m_archivedBytes = archived;
    update();
    m_view.notify();
}

void RunProgress::archiverEnded(int volumes, qint64 volumeBytes)
{
    m_archivedBytes = m_sourceBytes;
    m_volumes = volumes;
    m_volumeBytes = volumeBytes;
    m_volumesKnown = true;
    update();
    m_view.notify();
}

void RunProgress::zipStarted(qint64 volumeBytes)
{
    m_currentVolume = volumeBytes;
    m_currentDone = 0;
    update();
}

bool RunProgress::zipPercent(int percent)
{
    const int before = m_view.wholeRun.percent;
    m_currentDone = m_currentVolume * std::clamp(percent, 0, 100) / 100;
    update();
    return m_view.wholeRun.percent != before;
}

void RunProgress::zipMade(qint64 zipBytes)
{
    m_packedBytes += m_currentVolume;
    m_currentVolume = 0;
    m_currentDone = 0;
    ++m_view.wholeRun.made;
    m_view.wholeRun.madeBytes += zipBytes;
    update();
}

void RunProgress::finish()
{
    WholeRunView& whole = m_view.wholeRun;
    if (whole.archivesOnly) {
        whole.made = m_volumes;
        whole.madeBytes = m_volumeBytes;
    }
    m_archivedBytes = m_sourceBytes;
    m_packedBytes = whole.archivesOnly ? 0 : m_volumeBytes;
    update();
    whole.percent = 100;
    whole.remainingMs = 0;
    whole.finished = true;
    whole.running = false;
    m_view.notify();
}

void RunProgress::end()
{
    if (!m_view.wholeRun.running)
        return;
    m_view.wholeRun.elapsedMs = elapsedMs();
    m_view.wholeRun.running = false;
    m_view.notify();
}

void RunProgress::update()
{
    WholeRunView& whole = m_view.wholeRun;
    const qint64 volumes = whole.archivesOnly ? 0 : (m_volumesKnown ? m_volumeBytes : m_sourceBytes);
    whole.totalBytes = m_sourceBytes + volumes;
    whole.doneBytes = std::min(whole.totalBytes, m_archivedBytes + m_packedBytes + m_currentDone);
    // Volumes larger than the source (a stored set's headers) must not take
    // the figure back.
    const int percent = whole.totalBytes > 0 ? int(whole.doneBytes * 100 / whole.totalBytes) : 0;
    whole.percent = std::max(whole.percent, percent);
    whole.elapsedMs = std::max<qint64>(0, m_clock() - m_startMs);
    whole.remainingMs = whole.doneBytes > 0 && whole.elapsedMs > 0
        ? qint64(double(whole.totalBytes - whole.doneBytes) * double(whole.elapsedMs) / double(whole.doneBytes))
        : -1;
}
