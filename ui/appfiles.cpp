#include "ui/appfiles.h"

#include <QDir>
#include <QFileInfo>

namespace appfiles {

namespace {

QStringList matches(const QString& dirHost, const QString& name)
{
    QStringList result;
    const QDir dir(dirHost);
    for (const QString& entry : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            result << dir.filePath(entry);
    }
    return result;
}

} // namespace

QString find(const QString& dirHost, const QString& name)
{
    const QString exact = QDir(dirHost).filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList found = matches(dirHost, name);
    return found.isEmpty() ? exact : found.first();
}

bool exists(const QString& dirHost, const QString& name)
{
    return QFileInfo::exists(find(dirHost, name));
}

bool removeAll(const QString& dirHost, const QString& name)
{
    bool ok = true;
    for (const QString& path : matches(dirHost, name)) {
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            continue;
        ok = QFile::remove(path) && ok;
    }
    return ok;
}

bool ensureFolder(const QString& dirHost, const QString& name)
{
    const QFileInfo info(find(dirHost, name));
    if (info.isDir())
        return true;
    return QDir(dirHost).mkpath(name);
}

} // namespace appfiles
