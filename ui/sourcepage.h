#pragma once

#include <QWidget>

class NoticeLine;
class PathPanel;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class RipJob;
class ViewState;

// What is packed: the source path with Browse and the image switch, its
// size, and the work drive with its free space. The drive list shows the
// items and the current drive that logic keeps in the view.
class SourcePage : public QWidget
{
    Q_OBJECT
public:
    SourcePage(RipJob& job, ViewState& view, QWidget* parent = nullptr);

    QPushButton* browseButton() const { return m_browse; }
    QCheckBox* imageModeBox() const { return m_imageMode; }
    QComboBox* workDriveList() const { return m_drives; }
    QWidget* focusSink() const { return m_sink; }

signals:
    void browseClicked();
    void imageModeClicked(bool ticked);
    // An item of the drive list chosen by the user, as its text.
    void workDriveChosen(const QString& item);

private:
    void showJob();
    void showView();

    RipJob& m_job;
    ViewState& m_view;
    PathPanel* m_path = nullptr;
    QPushButton* m_browse = nullptr;
    QCheckBox* m_imageMode = nullptr;
    QLabel* m_size = nullptr;
    QComboBox* m_drives = nullptr;
    QLabel* m_free = nullptr;
    QWidget* m_sink = nullptr;
    NoticeLine* m_notice = nullptr;
};
