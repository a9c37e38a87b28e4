#include "platform/ownworkingfiles.h"

#include "platform/ziptargetsource.h"

#include <QRegularExpression>

bool OwnWorkingFiles::matches(const QString& fileName)
{
    if (fileName.startsWith(QLatin1Char('.')) && fileName.endsWith(QLatin1String(kSetLockSuffix)))
        return true;
    // A recovery file being written.
    if (fileName.endsWith(QLatin1String(".par2.partial"), Qt::CaseInsensitive))
        return true;
    // mkstemp's six characters follow the marker.
    static const QRegularExpression unfinished(
        QStringLiteral("\\.zip") + QRegularExpression::escape(QLatin1String(ziptargetsource::kUnfinished))
            + QStringLiteral("[A-Za-z0-9]{6}$"),
        QRegularExpression::CaseInsensitiveOption);
    return unfinished.match(fileName).hasMatch();
}
