#pragma once

#include <QWidget>

class PathPanel;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class RipJob;
class ViewState;

// How the source is cut and where the ZIPs go: volume size, archiver,
// compression, ZIP folder and base name.
class ZipPage : public QWidget
{
    Q_OBJECT
public:
    ZipPage(RipJob& job, ViewState& view, QWidget* parent = nullptr);

    QLineEdit* nameBox() const { return m_name; }
    QScrollBar* sizeBar() const { return m_size; }
    QWidget* focusSink() const { return m_sink; }

signals:
    void browseClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
    PathPanel* m_directory = nullptr;
    QLabel* m_free = nullptr;
    QLineEdit* m_name = nullptr;
    QWidget* m_sink = nullptr;
};
