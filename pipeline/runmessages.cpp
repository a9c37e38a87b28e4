#include "pipeline/runmessages.h"

#include <csignal>

namespace runmessages {

QString setInUse(const QString& zipDirectory, const QString& baseName, const QString& holder)
{
    return QStringLiteral("Another run (%1) is writing the set %2 in %3.").arg(holder, baseName, zipDirectory)
           + QStringLiteral("\rNothing was done. Wait until that run has ended, or choose another base name or ZIP folder.");
}

QString archiverFailure(const ProcessEnd& end, int volumes, const QString& workDos, const QString& workHost,
                        bool archivesOnly)
{
    const QString archiver = QStringLiteral("The archiver ") + end.shownName() + QLatin1Char(' ') + end.describe();
    if (!end.started())
        return archiver + QStringLiteral(".\rPut it beside zavok32 or on the search path (PATH), then run the job again.");
    // The user who cancelled knows why; anyone else needs what it printed.
    const QString advice = end.cancelled ? QString()
        : !end.lastLines.isEmpty()
        ? QStringLiteral("\rWhat it printed last is under Show Details and in its window; put that right, and run the job again.")
        : QStringLiteral("\rWhat it printed is in the terminal or log zavok32 writes to; put that right, and run the job again.");
    if (volumes == 0)
        return archiver + QStringLiteral(" and wrote no volume.\rNothing was packaged.") + advice;
    const QString where = workDos + (workHost.isEmpty() ? QString() : QStringLiteral(" (") + workHost + QLatin1Char(')'));
    const QString count = volumes == 1 ? QStringLiteral("The one volume") : QStringLiteral("The %1 volumes").arg(volumes);
    return archiver + QStringLiteral(" before the set was complete.\r")
           + (archivesOnly ? QString() : QStringLiteral("No ZIP was made. "))
           + count + QStringLiteral(" it wrote ") + (volumes == 1 ? QStringLiteral("is") : QStringLiteral("are"))
           + QStringLiteral(" in ") + where
           + (archivesOnly ? QStringLiteral("; they are not a whole set, so delete them.")
                           : QStringLiteral("; they are not a whole set: Options > Clean up deletes them, and the next run "
                                            "starts afresh."))
           + advice;
}

QString signalName(int signal)
{
    switch (signal) {
    case SIGINT: return QStringLiteral("SIGINT");
    case SIGTERM: return QStringLiteral("SIGTERM");
    case SIGHUP: return QStringLiteral("SIGHUP");
    default: return QStringLiteral("signal %1").arg(signal);
    }
}

QString closeQuestion()
{
    return QStringLiteral("A run is going. Stop it?");
}

} // namespace runmessages
