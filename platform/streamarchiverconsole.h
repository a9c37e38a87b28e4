#pragma once

#include "platform/runningchild.h"

#include <QByteArray>
#include <functional>

// Follows the archiver where there is no window to show it in: its standard
// output is passed on as it comes (to this program's standard output, which
// a log keeps) or held back (where one progress line stands for it, or
// nothing but errors is wanted), and the percentages it prints are reported.
// Its standard error goes straight where this program's goes. Window events
// keep running meanwhile, as they do while the archiver's window waits.
class StreamArchiverConsole : public ArchiverConsole
{
public:
    using Sink = std::function<void(const QByteArray& bytes)>;
    // passOn: where the child's standard output goes; null holds it back.
    explicit StreamArchiverConsole(Sink passOn);

    ProcessEnd watch(RunningChild& child) override;
    bool takesErrorOutput() const override { return false; }

    // This program's standard output, flushed at once.
    static void writeToStandardOutput(const QByteArray& bytes);

private:
    Sink m_passOn;
};
