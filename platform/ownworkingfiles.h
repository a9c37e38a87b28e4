#pragma once

#include <QString>

// The files the program makes for itself beside a set while it writes it:
// the set's lock (".<base>.zavok32-lock"), a ZIP being written
// ("<name>.zip.unfinished-XXXXXX") and a recovery file being written
// ("<name>.par2.partial"). They are never packed, whichever walk
// meets them (the archivers' source, the ZIPs' extra folder): a set that
// holds one would carry a process's state, or half a ZIP, to whoever
// unpacks it. A new working file of that kind gets its pattern here.
class OwnWorkingFiles
{
public:
    static constexpr char kSetLockSuffix[] = ".zavok32-lock";

    // Whether a file name (no folder) is one of them.
    static bool matches(const QString& fileName);
};
