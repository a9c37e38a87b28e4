#pragma once

#include <QDialog>
#include <functional>

class DriveSetup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// Options > Drives: the drive letters in a table (drive, label, folder,
// free space), and below it the letter, the folder it is to point at
// (typed, picked with a folder dialog, or taken from a mounted volume) and
// Add, Change and Remove. Every caption, enable state and message comes
// from DriveSetup; the dialog shows its view after each event.
class DrivesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit DrivesDialog(DriveSetup& setup, QWidget* parent = nullptr);

    // The folder dialog behind "Fo&lder...": host folder, or empty for Cancel.
    std::function<QString(const QString& start)> pickFolder;

    void showView();

private:
    void pickTargetFolder();

    DriveSetup& m_setup;
    QTreeWidget* m_table = nullptr;
    QComboBox* m_letter = nullptr;
    QLineEdit* m_folder = nullptr;
    QPushButton* m_browse = nullptr;
    QComboBox* m_volumes = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_change = nullptr;
    QPushButton* m_remove = nullptr;
    QLabel* m_status = nullptr;
};
