#include "pipeline/runendnotice.h"


std::optional<RunEndNotice::Text> RunEndNotice::forRun(qint64 elapsedMs, bool userAway, const QString& made,
                                                        const QString& failure)
{
    if (!userAway || elapsedMs < kLongRunMs)
        return std::nullopt;
    if (failure.isEmpty())
        return Text{QStringLiteral("The set is ready"), made};
    return Text{QStringLiteral("The run failed"), failure};
}

QString RunEndNotice::madeText(int count, bool archivesOnly, const QString& baseName, const QString& folder)
{
    const QString what = archivesOnly ? (count == 1 ? QStringLiteral("volume") : QStringLiteral("volumes"))
                                      : (count == 1 ? QStringLiteral("ZIP") : QStringLiteral("ZIPs"));
    return QStringLiteral("%1 %2 of %3 in %4").arg(count).arg(what, baseName, folder);
}
