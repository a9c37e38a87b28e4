#include "platform/zipreader.h"

const ZipEntryInfo* ZipReadBack::find(const QString& name) const
{
    for (const ZipEntryInfo& e : entries) {
        if (e.name.compare(name, Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}
