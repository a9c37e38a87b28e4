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
// counts as Cancel.
class ArchiverWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ArchiverWindow(const QString& title, QWidget* parent = nullptr);

    void showOutput(const QStringList& lines, int percent);
    void showCancelling(const QString& status);

    QPlainTextEdit* output() const { return m_output; }
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
