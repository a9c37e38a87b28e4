#pragma once

#include <QDialog>

class CleanUpList;
class QLabel;
class QPushButton;
class QTreeWidget;

// Options > "Clean up...": the work folders of interrupted runs and the
// unfinished ZIPs, each with a check box, what it is and its size; the
// ticked ones go with "&Delete". Everything shown comes from CleanUpList;
// the dialog shows its view after each event.
class CleanUpDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CleanUpDialog(CleanUpList& list, QWidget* parent = nullptr);

    void showView();
    QTreeWidget* table() const { return m_table; }
    QPushButton* deleteButton() const { return m_delete; }

private:
    CleanUpList& m_list;
    QTreeWidget* m_table = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_empty = nullptr;
    QPushButton* m_delete = nullptr;
    bool m_showing = false;
};
