#pragma once

#include "platform/folderpicker.h"

#include <QCoreApplication>
#include <QChar>
#include <QString>

class RipJob;
class ViewState;
struct Services;

// The Zip page's "&Browse": the folder that receives the ZIP files, and the
// free space of its drive beside it. A drive that cannot take a file (a CD)
// is refused; one with less room than the source is chosen with a notice.
// A folder inside a source folder is left out of the set when it runs: the
// user is told so and may keep it or not; the source folder itself cannot
// hold the ZIPs.
class ZipStorage
{
public:
    // folderCheck: the live check every folder picker of the window runs.
    ZipStorage(RipJob& job, ViewState& view, Services& services, FolderPicker::SelectionHandler folderCheck);

    // Before any source is chosen the Source page comes first: it shows
    // instead, and no picker opens.
    void browse();

    static QString noFreeSpaceCaption() { return QCoreApplication::translate("ZipStorage", "Free space 0 M"); }
    static QString lessThanSourceText(QChar driveLetter);
    static QString insideSourceText(const QString& folder, const QString& source);
    static QString sourceItselfText(const QString& folder);

private:
    // Whether the chosen folder stands, after telling where it lies.
    bool besideTheSource(const QString& chosen);

    RipJob& m_job;
    ViewState& m_view;
    Services& m_services;
    FolderPicker::SelectionHandler m_folderCheck;
};
