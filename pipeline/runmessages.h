#pragma once

#include "platform/processend.h"

#include <QString>

// The words a run says when it cannot go on as asked.
namespace runmessages {

// What the user is told when the archiver did not finish its set: how it
// ended, that nothing was packaged, where the volumes it wrote are (DOS and
// host path) and what to do.
QString archiverFailure(const ProcessEnd& end, int volumes, const QString& workDos, const QString& workHost,
                        bool archivesOnly);
// A second run aimed at a set that a live run is writing.
QString setInUse(const QString& zipDirectory, const QString& baseName, const QString& holder);
// "SIGTERM" for a stop signal's number.
QString signalName(int signal);
// Asked before the window closes while a run goes.
QString closeQuestion();

} // namespace runmessages
