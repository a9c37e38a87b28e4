#pragma once

#include "platform/runningchild.h"

#include <QPointer>

class ArchiverWindow;

// Shows the running archiver's output in an ArchiverWindow and waits for the
// archiver in a local event loop; the main window is minimised and disabled
// by the run meanwhile, so only this window answers. Cancel ends the child:
// SIGTERM, then SIGKILL after the grace period.
//
// An archiver that fails on its own leaves its window open, no longer modal,
// until the user closes it: what it printed is the explanation. Its last
// lines also go with the result (for the failure message) and to stderr.
class QtArchiverConsole : public ArchiverConsole
{
public:
    ~QtArchiverConsole() override;

    ProcessEnd watch(RunningChild& child) override;

    // The window while a child runs, or the one a failed child left open;
    // null otherwise.
    ArchiverWindow* window() const;

    static QString cancellingText();
    // The status line of a window left open: "wrar ended with exit status 2".
    static QString endedText(const ProcessEnd& end);

    // Lines of output kept with a failed result.
    static constexpr int kLastLines = 40;

private:
    QPointer<ArchiverWindow> m_window;
};
