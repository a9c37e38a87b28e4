#pragma once

#include <QWidget>

class NoticeLine;
class PathPanel;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class RipJob;
class ViewState;
enum class ExtraChoice;

// The information file, and the extra file or folder put into the ZIPs. The
// page shows the job and the page state that logic writes (view.nfo) and
// forwards every click; the one edit it makes itself is "&1st zip only".
class NfoPage : public QWidget
{
    Q_OBJECT
public:
    NfoPage(RipJob& job, ViewState& view, QWidget* parent = nullptr);

    QWidget* focusSink() const { return m_sink; }

signals:
    void browseClicked();
    void createClicked();
    void editClicked();
    void extraChoiceClicked(ExtraChoice choice);
    void extraBrowseClicked();

private:
    void showJob();
    void showView();

    RipJob& m_job;
    ViewState& m_view;
    QWidget* m_body = nullptr;
    PathPanel* m_nfoPath = nullptr;
    QLabel* m_extraLabel = nullptr;
    PathPanel* m_extraPath = nullptr;
    QRadioButton* m_file = nullptr;
    QRadioButton* m_directory = nullptr;
    QPushButton* m_extraBrowse = nullptr;
    QPushButton* m_edit = nullptr;
    QCheckBox* m_firstOnly = nullptr;
    QWidget* m_sink = nullptr;
    NoticeLine* m_notice = nullptr;
};
