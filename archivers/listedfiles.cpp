#include "listedfiles.h"

#include "filewalk.h"

#include <QFileInfo>

ListedFiles::ListedFiles(std::vector<Item> items)
    : m_items(std::move(items))
{
}

bool ListedFiles::next(SourceEntry& entry)
{
    if (m_position >= m_items.size() || !m_error.isEmpty())
        return false;
    const Item& item = m_items[m_position++];
    const QFileInfo info(item.hostPath);
    if (!info.exists()) {
        m_error = QStringLiteral("file not found: %1").arg(item.hostPath);
        return false;
    }
    if (!info.isFile()) {
        m_error = QStringLiteral("not a file: %1").arg(item.hostPath);
        return false;
    }
    entry = FileWalk::describe(info, item.storedName);
    return true;
}
