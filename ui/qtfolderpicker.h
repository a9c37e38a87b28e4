#pragma once

#include "platform/folderpicker.h"

#include <QPointer>

class DriveService;
class QWidget;

// The folder picker service over the program's own picker dialog.
class QtFolderPicker : public FolderPicker
{
public:
    QtFolderPicker(const DriveService& drives, QWidget* parent = nullptr);

    std::optional<QString> pick(const FolderPickerRequest& request, const SelectionHandler& onSelection) override;

private:
    const DriveService& m_drives;
    QPointer<QWidget> m_parent;
};
