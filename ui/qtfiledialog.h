#pragma once

#include "platform/filedialog.h"

#include <QPointer>
#include <QStringList>

class DriveService;
class QWidget;

// Qt's own file dialog (never the desktop's native one, so that it behaves the
// same everywhere and tests can drive it). Paths cross the dialog in DOS form.
class QtFileDialog : public FileDialog
{
public:
    QtFileDialog(const DriveService& drives, QWidget* parent = nullptr);

    std::optional<QString> ask(const FileDialogRequest& request) override;

    // "Script (*.zvk)|*.zvk|Any|*.*|" -> {"Script (*.zvk)", "Any (*.*)"}.
    static QStringList nameFilters(const QString& filter);

private:
    const DriveService& m_drives;
    QPointer<QWidget> m_parent;
};
