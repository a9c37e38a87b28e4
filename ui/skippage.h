#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class RipJob;

// The sub-directories and files left out of the source.
class SkipPage : public QWidget
{
    Q_OBJECT
public:
    explicit SkipPage(RipJob& job, QWidget* parent = nullptr);

    QWidget* focusSink() const { return m_sink; }

signals:
    void subDirClicked();
    void fileClicked();
    void clearClicked();

private:
    void showJob();

    RipJob& m_job;
    QPlainTextEdit* m_list = nullptr;
    QWidget* m_sink = nullptr;
};
