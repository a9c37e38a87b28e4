#include "ui/qtfolderpicker.h"

#include "ui/folderpickerdialog.h"

QtFolderPicker::QtFolderPicker(const DriveService& drives, QWidget* parent)
    : m_drives(drives)
    , m_parent(parent)
{
}

std::optional<QString> QtFolderPicker::pick(const FolderPickerRequest& request, const SelectionHandler& onSelection)
{
    FolderPickerDialog dialog(m_drives, request, onSelection, m_parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedPath().isEmpty())
        return std::nullopt;
    return dialog.selectedPath();
}
