#include "pipeline/runendnotice.h"

#include <QCoreApplication>


std::optional<RunEndNotice::Text> RunEndNotice::forRun(qint64 elapsedMs, bool userAway, const QString& made,
                                                        const QString& failure)
{
    if (!userAway || elapsedMs < kLongRunMs)
        return std::nullopt;
    if (failure.isEmpty())
        return Text{QCoreApplication::translate("RunEndNotice", "The set is ready"), made};
    return Text{QCoreApplication::translate("RunEndNotice", "The run failed"), failure};
}

QString RunEndNotice::madeText(int count, bool archivesOnly, const QString& baseName, const QString& folder)
{
    const QString what = archivesOnly ? (count == 1 ? QCoreApplication::translate("RunEndNotice", "volume") : QCoreApplication::translate("RunEndNotice", "volumes"))
                                      : (count == 1 ? QCoreApplication::translate("RunEndNotice", "ZIP") : QCoreApplication::translate("RunEndNotice", "ZIPs"));
    return QCoreApplication::translate("RunEndNotice", "%1 %2 of %3 in %4").arg(count).arg(what, baseName, folder);
}
