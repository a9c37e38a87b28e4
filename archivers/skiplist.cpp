#include "skiplist.h"

QString SkipList::key(const QString& path)
{
    QString k = path;
    k.replace(u'/', u'\\');
    while (k.startsWith(QLatin1String(".\\")))
        k.remove(0, 2);
    while (k.startsWith(u'\\'))
        k.remove(0, 1);
    while (k.endsWith(u'\\'))
        k.chop(1);
    return k.toCaseFolded();
}

SkipList SkipList::fromLines(const QStringList& lines)
{
    SkipList list;
    for (const QString& raw : lines) {
        QString line = raw.trimmed();
        line.replace(u'/', u'\\');
        if (line.isEmpty())
            continue;
        if (line.endsWith(QLatin1String("\\*.*")))
            line.chop(4);
        else if (line.endsWith(QLatin1String("\\*")))
            line.chop(2);
        else {
            list.m_files.insert(key(line));
            continue;
        }
        const QString k = key(line);
        if (!k.isEmpty())
            list.m_directories.insert(k);
    }
    return list;
}

bool SkipList::skipsDirectory(const QString& storedName) const
{
    return m_directories.contains(key(storedName));
}

bool SkipList::skipsFile(const QString& storedName) const
{
    return m_files.contains(key(storedName));
}
