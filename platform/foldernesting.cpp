#include "platform/foldernesting.h"

#include <QFileInfo>

FolderNesting::Relation FolderNesting::relation(const QString& folderHost, const QString& containerHost,
                                                QString* relative)
{
    const QString folder = QFileInfo(folderHost).canonicalFilePath();
    QString container = QFileInfo(containerHost).canonicalFilePath();
    if (folder.isEmpty() || container.isEmpty())
        return Relation::Apart;
    if (folder == container)
        return Relation::Same;
    if (!container.endsWith(QLatin1Char('/')))
        container += QLatin1Char('/');
    if (!folder.startsWith(container))
        return Relation::Apart;
    if (relative)
        *relative = folder.mid(container.size()).replace(QLatin1Char('/'), QLatin1Char('\\'));
    return Relation::Inside;
}
