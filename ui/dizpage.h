#pragma once

#include "platform/shell.h"

#include <QWidget>

class NoticeLine;
class PathPanel;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RipJob;
class ViewState;

// The description file and where the volume number is written into it. It
// shows the job's fields and the view's enable states and forwards every
// click; DizFile decides what they do.
class DizPage : public QWidget
{
    Q_OBJECT
public:
    DizPage(RipJob& job, ViewState& view, QWidget* parent = nullptr);

    QLineEdit* columnBox() const { return m_column; }
    QLineEdit* lineBox() const { return m_line; }
    QWidget* focusSink() const { return m_sink; }

signals:
    void browseClicked();
    void createClicked();
    void editClicked();
    void testClicked();
    // "&None" (false) or "S&ubsitute at column" (true).
    void numberingChosen(bool on);
    // The mouse moved over the column or the line box.
    void numberBoxHovered(FocusTarget box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(QWidget* parent, const QString& text, const QString& name, void (DizPage::*signal)());
    QLineEdit* addNumberBox(const QString& name);
    void showJob();
    void showView();
    void paintNumberBoxes(bool on);

    RipJob& m_job;
    ViewState& m_view;
    QWidget* m_body = nullptr;
    PathPanel* m_path = nullptr;
    QPushButton* m_test = nullptr;
    QPushButton* m_edit = nullptr;
    QFrame* m_separator = nullptr;
    QLabel* m_numberingLabel = nullptr;
    QLabel* m_lineLabel = nullptr;
    QRadioButton* m_none = nullptr;
    QRadioButton* m_substitute = nullptr;
    QLineEdit* m_column = nullptr;
    QLineEdit* m_line = nullptr;
    QWidget* m_sink = nullptr;
    NoticeLine* m_notice = nullptr;
};
