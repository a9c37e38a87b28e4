#include "pipeline/runmessages.h"

#include <QCoreApplication>

#include <csignal>

namespace runmessages {

QString setInUse(const QString& zipDirectory, const QString& baseName, const QString& holder)
{
    return QCoreApplication::translate("RunMessages", "Another run (%1) is writing the set %2 in %3.").arg(holder, baseName, zipDirectory)
           + QCoreApplication::translate("RunMessages", "\rNothing was done. Wait until that run has ended, or choose another base name or ZIP folder.");
}

QString archiverFailure(const ProcessEnd& end, int volumes, const QString& workDos, const QString& workHost,
                        bool archivesOnly)
{
    const QString archiver = QCoreApplication::translate("RunMessages", "The archiver %1 %2").arg(end.shownName(), end.describe());
    if (!end.started())
        return archiver + QCoreApplication::translate("RunMessages", ".\rPut it beside zavok32 or on the search path (PATH), then run the job again.");
    // The user who cancelled knows why; anyone else needs what it printed.
    const QString advice = end.cancelled ? QString()
        : !end.lastLines.isEmpty()
        ? QCoreApplication::translate("RunMessages", "\rWhat it printed last is under Show Details and in its window; put that right, and run the job again.")
        : QCoreApplication::translate("RunMessages", "\rWhat it printed is in the terminal or log zavok32 writes to; put that right, and run the job again.");
    if (volumes == 0)
        return archiver + QCoreApplication::translate("RunMessages", " and wrote no volume.\rNothing was packaged.") + advice;
    const QString where = workDos + (workHost.isEmpty() ? QString() : QStringLiteral(" (") + workHost + QLatin1Char(')'));
    const QString wrote = volumes == 1
        ? QCoreApplication::translate("RunMessages", "The one volume it wrote is in %1").arg(where)
        : QCoreApplication::translate("RunMessages", "The %1 volumes it wrote are in %2").arg(volumes).arg(where);
    return archiver + QCoreApplication::translate("RunMessages", " before the set was complete.\r")
           + (archivesOnly ? QString() : QCoreApplication::translate("RunMessages", "No ZIP was made. "))
           + wrote
           + (archivesOnly ? QCoreApplication::translate("RunMessages", "; they are not a whole set, so delete them.")
                           : QCoreApplication::translate("RunMessages", "; they are not a whole set: Options > Clean up deletes them, and the next run "
                                            "starts afresh."))
           + advice;
}

QString signalName(int signal)
{
    switch (signal) {
    case SIGINT: return QStringLiteral("SIGINT");
    case SIGTERM: return QStringLiteral("SIGTERM");
    case SIGHUP: return QStringLiteral("SIGHUP");
    default: return QCoreApplication::translate("RunMessages", "signal %1").arg(signal);
    }
}

QString closeQuestion()
{
    return QCoreApplication::translate("RunMessages", "A run is going. Stop it?");
}

} // namespace runmessages
