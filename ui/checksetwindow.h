#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class SetCheckPage;

// File > "Chec&k a set...": what to check (a ZIP, a checksum file or a
// folder), one row per ZIP with its verdict, and a summary. Every text and
// enable state comes from SetCheckPage; the window shows its view after
// each change and forwards the buttons.
class CheckSetWindow : public QDialog
{
    Q_OBJECT
public:
    explicit CheckSetWindow(SetCheckPage& page, QWidget* parent = nullptr);

    void showView();

    QTreeWidget* list() const { return m_list; }
    QLabel* summary() const { return m_summary; }

protected:
    void reject() override;

private:
    SetCheckPage& m_page;
    QLabel* m_path = nullptr;
    QPushButton* m_file = nullptr;
    QPushButton* m_folder = nullptr;
    QTreeWidget* m_list = nullptr;
    QLabel* m_summary = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_again = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_repair = nullptr;
    QPushButton* m_close = nullptr;
};
