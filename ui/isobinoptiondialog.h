#pragma once

#include "source/ripintoquestion.h"

#include <QDialog>

class QPushButton;
class QRadioButton;
class SpinningDisc;

// The Iso/bin option dialog: "Rip into?" with its two options, neither
// selected at first, and "&OK". The focus rests on an invisible sink, so
// that Enter ends the dialog whatever was clicked; closing the window or
// Escape counts as "&OK".
class IsoBinOptionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit IsoBinOptionDialog(QWidget* parent = nullptr);

    RipIntoQuestion::Choice choice() const;

    QRadioButton* archivesOnlyOption() const { return m_archivesOnly; }
    QRadioButton* intoZipsOption() const { return m_intoZips; }
    QPushButton* okButton() const { return m_ok; }
    QWidget* focusSink() const { return m_sink; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QRadioButton* m_archivesOnly = nullptr;
    QRadioButton* m_intoZips = nullptr;
    QPushButton* m_ok = nullptr;
    QWidget* m_sink = nullptr;
    SpinningDisc* m_disc = nullptr;
};
