#pragma once

#include <QtGlobal>
#include <functional>

// Paces what the run shows while a ZIP is written. The ZIP writer reports
// every percent and every file, and asks for pending window events far more
// often than anyone can see or click; each redraw of the window costs about
// as much as deflating a few kilobytes. Redraws are held to about 30 a
// second and only happen when something shown changed; window events are
// still let in every few milliseconds, so Abort and Exit act at once.
class ViewThrottle
{
public:
    // Milliseconds from any fixed start; a steady clock unless a test gives one.
    using MsClock = std::function<qint64()>;

    static constexpr qint64 kRedrawIntervalMs = 33;
    static constexpr qint64 kEventIntervalMs = 10;

    explicit ViewThrottle(MsClock clock = {});

    // Something the run page shows has changed.
    void changed() { m_pending = true; }
    // True when that change is to be shown now (it then counts as shown).
    bool redrawDue();
    // True when queued window events are to be let in now.
    bool eventsDue();

private:
    MsClock m_clock;
    bool m_pending = false;
    qint64 m_lastRedraw = 0;
    qint64 m_lastEvents = 0;
    bool m_redrawn = false;
    bool m_eventsRun = false;
};
