#pragma once

#include <QWidget>

class NoticeLine;
class PathPanel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class RipJob;
class ViewState;

// How the source is cut and where the ZIPs go: volume size, archiver,
// compression, ZIP folder and base name. The page shows the job and the page
// state that logic writes (view.zip); its edits go straight to the job's
// setters, which keep the limits.
class ZipPage : public QWidget
{
    Q_OBJECT
public:
    ZipPage(RipJob& job, ViewState& view, QWidget* parent = nullptr);

    QLineEdit* nameBox() const { return m_name; }
    QScrollBar* sizeBar() const { return m_size; }
    QWidget* focusSink() const { return m_sink; }

    // The size bar has the largest volume at its top, so that its up arrow,
    // a click above the thumb and the Up key make volumes larger: its value
    // counts down from the top.
    static int barValueOfStep(int step);
    static int stepOfBarValue(int value);

signals:
    void browseClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSizeBox();
    QWidget* buildArchiverBox();
    QWidget* buildNameBox();
    QWidget* buildStorageBox();
    void showJob();
    void showView();

    RipJob& m_job;
    ViewState& m_view;
    QScrollBar* m_size = nullptr;
    QLabel* m_sizeCaption = nullptr;
    QLabel* m_estimate = nullptr;
    QRadioButton* m_rar = nullptr;
    QRadioButton* m_ace = nullptr;
    QComboBox* m_archiveCompression = nullptr;
    QComboBox* m_zipCompression = nullptr;
    QLabel* m_zipCompressionLabel = nullptr;
    QLabel* m_storageLabel = nullptr;
    PathPanel* m_directory = nullptr;
    QPushButton* m_browse = nullptr;
    QLabel* m_free = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_nameHint = nullptr;
    QWidget* m_sink = nullptr;
    NoticeLine* m_notice = nullptr;
};
