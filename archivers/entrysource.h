#pragma once

#include "sourceentry.h"

#include <QString>
#include <QStringList>

// Hands out the entries to store one at a time, so that a source of any size
// is walked with flat memory.
class EntrySource {
public:
    virtual ~EntrySource() = default;
    // false at the end or on a failure; error() tells them apart.
    virtual bool next(SourceEntry& entry) = 0;
    virtual QString error() const = 0;
    // Things left out along the way, for the user to read.
    QStringList takeWarnings()
    {
        QStringList w;
        w.swap(m_warnings);
        return w;
    }

protected:
    void warn(const QString& text) { m_warnings.append(text); }

private:
    QStringList m_warnings;
};
