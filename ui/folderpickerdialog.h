#pragma once

#include "platform/folderpicker.h"

#include <QDialog>

class DriveService;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The program's own folder picker: a tree of the mapped drives (or of one
// folder), a path field where a DOS path (d:\games) or a host path can be
// typed or pasted, a status line and OK/Cancel; the selection handler decides
// whether OK can be pressed. Everything works with the keyboard alone: the
// arrows walk and open the tree, Alt+F reaches the path field, Enter takes
// the path typed there and presses OK when the handler allows it.
class FolderPickerDialog : public QDialog
{
    Q_OBJECT
public:
    FolderPickerDialog(const DriveService& drives, const FolderPickerRequest& request,
                       FolderPicker::SelectionHandler onSelection, QWidget* parent = nullptr);

    // The selected DOS folder as the handler left it.
    QString selectedPath() const { return m_selected; }
    // Expands the tree down to a DOS folder and selects it; false when not found.
    bool selectPath(const QString& dosPath);

    QTreeWidget* tree() const { return m_tree; }
    QLineEdit* pathField() const { return m_path; }
    QPushButton* okButton() const { return m_ok; }
    QLabel* statusLabel() const { return m_status; }

private:
    QTreeWidgetItem* addFolderItem(QTreeWidgetItem* parent, const QString& text, const QString& dosPath);
    void fillChildren(QTreeWidgetItem* item);
    void selectionChanged();
    void pathTyped();
    void runHandler(QString path);

    const DriveService& m_drives;
    FolderPicker::SelectionHandler m_onSelection;
    QString m_root;
    QTreeWidget* m_tree = nullptr;
    QLineEdit* m_path = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_ok = nullptr;
    QString m_selected;
};
