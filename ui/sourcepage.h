#pragma once

#include <QWidget>

class DriveService;
class PathPanel;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class RipJob;
class ViewState;

// What is packed: the source path with Browse and the image switch, its
// size, and the work drive with its free space.
class SourcePage : public QWidget
{
    Q_OBJECT
public:
    SourcePage(RipJob& job, ViewState& view, const DriveService& drives, QWidget* parent = nullptr);

    QPushButton* browseButton() const { return m_browse; }
    QCheckBox* imageModeBox() const { return m_imageMode; }
    QComboBox* workDriveList() const { return m_drives; }
    QWidget* focusSink() const { return m_sink; }
    void refreshDrives();

signals:
    void browseClicked();
    void imageModeClicked(bool ticked);
    void workDriveChosen(QChar letter);

private:
    void showJob();
    void showView();

    RipJob& m_job;
    ViewState& m_view;
    const DriveService& m_driveService;
    PathPanel* m_path = nullptr;
    QPushButton* m_browse = nullptr;
    QCheckBox* m_imageMode = nullptr;
    QLabel* m_size = nullptr;
    QComboBox* m_drives = nullptr;
    QLabel* m_free = nullptr;
    QWidget* m_sink = nullptr;
};
