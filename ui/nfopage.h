#pragma once

#include <QWidget>

class PathPanel;
class QCheckBox;
class QRadioButton;
class RipJob;

// The information file, and the extra file or folder put into the ZIPs.
class NfoPage : public QWidget
{
    Q_OBJECT
public:
    explicit NfoPage(RipJob& job, QWidget* parent = nullptr);

    QWidget* focusSink() const { return m_sink; }

signals:
    void browseClicked();
    void createClicked();
    void editClicked();
    void extraBrowseClicked();

private:
    void showJob();

    RipJob& m_job;
    PathPanel* m_nfoPath = nullptr;
    PathPanel* m_extraPath = nullptr;
    QRadioButton* m_file = nullptr;
    QRadioButton* m_directory = nullptr;
    QCheckBox* m_firstOnly = nullptr;
    QWidget* m_sink = nullptr;
};
