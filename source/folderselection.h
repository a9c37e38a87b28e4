#pragma once

#include "platform/folderpicker.h"

#include <QCoreApplication>
#include <QString>

class DriveService;

// The live check every folder picker of the window runs while the user moves
// its selection: OK is offered only for a path on a drive that can take
// files, except once a folder source has been browsed, so that the Skip
// page's picker, rooted inside a CD source, still accepts the CD.
class FolderSelection
{
public:
    explicit FolderSelection(const DriveService& drives);

    // Cleared at the start of every source Browse and set just before its
    // folder picker opens; nothing else clears it.
    bool sourceBrowseIsFolder() const { return m_sourceBrowseIsFolder; }
    void setSourceBrowseIsFolder(bool value) { m_sourceBrowseIsFolder = value; }

    // May empty the path.
    void folderSelectionChanged(QString& path, FolderPickerFeedback& feedback) const;
    // folderSelectionChanged, to hand to FolderPicker::pick.
    FolderPicker::SelectionHandler handler() const;

    static QString notValidText() { return QCoreApplication::translate("FolderSelection", "Not a valid drive or path"); }
    static QString invalidDriveText() { return QCoreApplication::translate("FolderSelection", "Invalid drive"); }

private:
    const DriveService& m_drives;
    bool m_sourceBrowseIsFolder = false;
};
