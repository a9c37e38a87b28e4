#include "settestresult.h"

QString SetFault::kindText(Kind kind)
{
    switch (kind) {
    case Kind::Missing:
        return QStringLiteral("missing volume");
    case Kind::Unreadable:
        return QStringLiteral("cannot be read");
    case Kind::NotAnArchive:
        return QStringLiteral("not an archive");
    case Kind::WrongSet:
        return QStringLiteral("not of this set");
    case Kind::BadHeader:
        return QStringLiteral("damaged header");
    case Kind::DataCrc:
        return QStringLiteral("data CRC error");
    case Kind::Truncated:
        return QStringLiteral("cut short");
    case Kind::Unsupported:
        return QStringLiteral("cannot be read by this program");
    case Kind::Stopped:
        return QStringLiteral("stopped");
    }
    return {};
}

QString SetFault::text() const
{
    QString out = volumeName + QStringLiteral(": ");
    if (!entry.isEmpty())
        out += entry + QStringLiteral(": ");
    out += kindText(kind);
    if (!detail.isEmpty())
        out += QStringLiteral(" (") + detail + u')';
    return out;
}

int SetTestResult::untested() const
{
    int n = 0;
    for (const TestedEntry& e : entries)
        n += e.tested ? 0 : 1;
    return n;
}
