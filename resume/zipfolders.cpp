#include "resume/zipfolders.h"

#include "platform/textfile.h"

#include <QDir>

namespace {

QString path(const QString& appDirHost)
{
    return QDir(appDirHost).filePath(QStringLiteral("zipfolders.ini"));
}

} // namespace

namespace zipfolders {

QStringList load(const QString& appDirHost)
{
    QStringList folders;
    const auto lines = TextFile::readLines(path(appDirHost));
    if (!lines)
        return folders;
    for (const QString& line : *lines) {
        const QString folder = line.trimmed();
        if (!folder.isEmpty() && !folders.contains(folder, Qt::CaseInsensitive) && folders.size() < kKept)
            folders << folder;
    }
    return folders;
}

bool remember(const QString& appDirHost, const QString& zipDirectoryDos)
{
    QStringList folders = load(appDirHost);
    if (!folders.isEmpty() && folders.first().compare(zipDirectoryDos, Qt::CaseInsensitive) == 0)
        return true;
    folders.removeIf([&](const QString& f) { return f.compare(zipDirectoryDos, Qt::CaseInsensitive) == 0; });
    folders.prepend(zipDirectoryDos);
    while (folders.size() > kKept)
        folders.removeLast();
    return TextFile::writeLines(path(appDirHost), folders);
}

} // namespace zipfolders
