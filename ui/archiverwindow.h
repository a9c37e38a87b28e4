#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The archiver's own small window while it runs: its output as a console
// showed it, the last percentage as a bar, and Cancel. Closing the window
// counts as Cancel. After a failure it stays, with Close.
class ArchiverWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ArchiverWindow(const QString& title, QWidget* parent = nullptr);

    void showOutput(const QStringList& lines, int percent);
    void showCancelling(const QString& status);
    // The archiver has ended and failed: the window stays for its output to
    // be read, no longer modal, and its button closes it.
    void showEnded(const QString& status);

    QPlainTextEdit* output() const { return m_output; }
    QLabel* statusLabel() const { return m_status; }
    QPushButton* cancelButton() const { return m_cancel; }

signals:
    void cancelClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPlainTextEdit* m_output = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_cancel = nullptr;
    QStringList m_shown;
    bool m_ending = false;

    friend class QtArchiverConsole;
};
