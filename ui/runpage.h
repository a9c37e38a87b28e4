#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class ViewState;

// The run in progress: the file being added, the ZIP being made, the volume
// counter, the progress of the current ZIP and of the whole run with its
// times, and Abort and Exit.
class RunPage : public QWidget
{
    Q_OBJECT
public:
    explicit RunPage(ViewState& view, QWidget* parent = nullptr);

    QPushButton* abortButton() const { return m_abort; }
    QPushButton* exitButton() const { return m_exit; }
    QProgressBar* progressBar() const { return m_progress; }
    QProgressBar* wholeRunBar() const { return m_whole; }

signals:
    void abortClicked();
    void exitClicked();

private:
    void showView();

    ViewState& m_view;
    QLabel* m_status = nullptr;
    QLabel* m_zipName = nullptr;
    QLabel* m_counter = nullptr;
    QLabel* m_left = nullptr;
    QProgressBar* m_progress = nullptr;
    QProgressBar* m_whole = nullptr;
    QLabel* m_times = nullptr;
    QPushButton* m_abort = nullptr;
    QPushButton* m_exit = nullptr;
};
