#pragma once

#include "platform/runningchild.h"

#include <QPointer>

class ArchiverWindow;

// Shows the running archiver's output in an ArchiverWindow and waits for the
// archiver in a local event loop; the main window is minimised and disabled
// by the run meanwhile, so only this window answers. Cancel ends the child:
// SIGTERM, then SIGKILL after the grace period.
class QtArchiverConsole : public ArchiverConsole
{
public:
    ProcessEnd watch(RunningChild& child) override;

    // The window while a child runs; null otherwise.
    ArchiverWindow* window() const;

    static QString cancellingText();

private:
    QPointer<ArchiverWindow> m_window;
};
