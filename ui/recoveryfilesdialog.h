#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QRadioButton;
class QSpinBox;
class RecoveryFilesPage;

// Options > "&Recovery files...": shows RecoveryFilesPage and forwards the
// choices; "&OK" hands the choice to the page, which remembers it.
class RecoveryFilesDialog : public QDialog
{
    Q_OBJECT
public:
    RecoveryFilesDialog(RecoveryFilesPage& page, QWidget* parent = nullptr);

    void showView();
    void accept() override;

    // Runs when the choice could not be saved, with the message.
    std::function<void(const QString&)> onSaveFailed;

private:
    RecoveryFilesPage& m_page;
    QRadioButton* m_none = nullptr;
    QRadioButton* m_some = nullptr;
    QSpinBox* m_zips = nullptr;
    QLabel* m_note = nullptr;
};
