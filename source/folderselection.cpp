#include "source/folderselection.h"

#include "platform/driveservice.h"

FolderSelection::FolderSelection(const DriveService& drives)
    : m_drives(drives)
{
}

void FolderSelection::folderSelectionChanged(QString& path, FolderPickerFeedback& feedback) const
{
    feedback.okEnabled = false;
    if (path.isEmpty()) {
        feedback.status = notValidText();
        return;
    }
    feedback.okEnabled = true;
    feedback.status = path.toLower();

    const auto freeBytes = m_drives.driveFreeBytes(path.left(2));
    if (!freeBytes) {
        // A drive without a medium, or a path on no drive at all.
        path.clear();
        feedback.status = notValidText();
        feedback.okEnabled = false;
        return;
    }
    if (!m_sourceBrowseIsFolder && *freeBytes < 1) {
        feedback.status = invalidDriveText();
        feedback.okEnabled = false;
    }
}

FolderPicker::SelectionHandler FolderSelection::handler() const
{
    return [this](QString& path, FolderPickerFeedback& feedback) { folderSelectionChanged(path, feedback); };
}
