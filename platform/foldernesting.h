#pragma once

#include <QString>

// Whether one folder lies in another, by their real paths: links, and drive
// letters that lead to one folder by two ways, are resolved first, so that
// whatever path names a folder it is found where it is.
class FolderNesting
{
public:
    enum class Relation { Apart, Same, Inside };

    // Host paths. Apart when either does not exist. For Inside, *relative is
    // the way from the container to the folder, components joined by "\"
    // ("zips", "old\zips").
    static Relation relation(const QString& folderHost, const QString& containerHost, QString* relative = nullptr);
};
