#include "pipeline/viewthrottle.h"

#include <chrono>

ViewThrottle::ViewThrottle(MsClock clock)
    : m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] {
            return qint64(std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now().time_since_epoch())
                              .count());
        };
}

bool ViewThrottle::redrawDue()
{
    if (!m_pending)
        return false;
    const qint64 now = m_clock();
    if (m_redrawn && now - m_lastRedraw < kRedrawIntervalMs)
        return false;
    m_redrawn = true;
    m_lastRedraw = now;
    m_pending = false;
    return true;
}

bool ViewThrottle::eventsDue()
{
    const qint64 now = m_clock();
    if (m_eventsRun && now - m_lastEvents < kEventIntervalMs)
        return false;
    m_eventsRun = true;
    m_lastEvents = now;
    return true;
}
