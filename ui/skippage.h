#pragma once

#include <QWidget>

class NoticeLine;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class RipJob;
class ViewState;

// The sub-directories and files left out of the source: the list, the
// "&Sub-dir" / "&File" choice of what Browse adds, Browse and "&Clear". The
// whole page is off while logic says so (CD images, archives only).
class SkipPage : public QWidget
{
    Q_OBJECT
public:
    SkipPage(RipJob& job, ViewState& view, QWidget* parent = nullptr);

    QWidget* focusSink() const { return m_sink; }
    QRadioButton* subDirOption() const { return m_subDir; }
    QRadioButton* fileOption() const { return m_file; }
    QPushButton* browseButton() const { return m_browse; }
    QPushButton* clearButton() const { return m_clear; }

signals:
    void subDirChosen();
    void fileChosen();
    void browseClicked();
    void clearClicked();

private:
    void showJob();
    void showView();

    RipJob& m_job;
    ViewState& m_view;
    QWidget* m_body = nullptr;
    QPlainTextEdit* m_list = nullptr;
    QRadioButton* m_subDir = nullptr;
    QRadioButton* m_file = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_clear = nullptr;
    QWidget* m_sink = nullptr;
    NoticeLine* m_notice = nullptr;
};
