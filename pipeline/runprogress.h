#pragma once

#include <QtGlobal>
#include <algorithm>
#include <functional>

class ViewState;

// Keeps the whole run as one figure in the view (WholeRunView): the
// archiver's percent of the source and the ZIPs' percent of the volumes,
// weighed by their bytes, with the time taken, the rate and the time left.
// Until the archiver has ended its volumes are taken to be as large as the
// source (a stored set is); then their real size counts.
//
// A run calls start, archiverPercent as the archiver prints it,
// archiverEnded, then for each ZIP zipStarted, zipPercent and zipMade, and
// finish once everything is made; end whenever the run is over.
class RunProgress
{
public:
    // Milliseconds from any fixed start; a steady clock unless a test gives one.
    using MsClock = std::function<qint64()>;

    explicit RunProgress(ViewState& view, MsClock clock = {});
    void setClock(MsClock clock) { m_clock = std::move(clock); }

    void start(qint64 sourceBytes, bool archivesOnly);
    void archiverPercent(int percent);
    void archiverEnded(int volumes, qint64 volumeBytes);
    void zipStarted(qint64 volumeBytes);
    // True when the figure shown moved (the whole percent), so the view is
    // worth redrawing; the caller paces the redraws.
    bool zipPercent(int percent);
    void zipMade(qint64 zipBytes);
    void finish();
    void end();
    // Since start, read now: a run that failed may not have moved for a while.
    qint64 elapsedMs() const { return std::max<qint64>(0, m_clock() - m_startMs); }

private:
    void update();

    ViewState& m_view;
    MsClock m_clock;
    qint64 m_startMs = 0;
    qint64 m_sourceBytes = 0;
    qint64 m_archivedBytes = 0;
    qint64 m_volumeBytes = 0;
    bool m_volumesKnown = false;
    int m_volumes = 0;
    qint64 m_packedBytes = 0;
    qint64 m_currentVolume = 0;
    qint64 m_currentDone = 0;
};
