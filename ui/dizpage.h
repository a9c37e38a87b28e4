#pragma once

#include <QWidget>

class PathPanel;
class QCheckBox;
class QLineEdit;
class RipJob;

// The description file and where the volume number is written into it.
class DizPage : public QWidget
{
    Q_OBJECT
public:
    explicit DizPage(RipJob& job, QWidget* parent = nullptr);

    QLineEdit* columnBox() const { return m_column; }
    QLineEdit* lineBox() const { return m_line; }
    QWidget* focusSink() const { return m_sink; }

signals:
    void browseClicked();
    void createClicked();
    void editClicked();
    void testClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showJob();

    RipJob& m_job;
    PathPanel* m_path = nullptr;
    QCheckBox* m_auto = nullptr;
    QLineEdit* m_column = nullptr;
    QLineEdit* m_line = nullptr;
    QWidget* m_sink = nullptr;
};
