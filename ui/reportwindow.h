#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

// "Ripping complete": what was packed and what the set came out as.
class ReportWindow : public QDialog
{
    Q_OBJECT
public:
    explicit ReportWindow(QWidget* parent = nullptr);

    static QStringList sourceLabels();
    static QStringList finalLabels();

    // Values in the order of the labels.
    void setSourceValues(const QStringList& values);
    void setFinalValues(const QStringList& values);
    QString sourceValue(int row) const;
    QString finalValue(int row) const;
    // The line below the groups: what the proof of the set found.
    void setVerdict(const QString& text);
    QLabel* verdictLabel() const { return m_verdict; }
    QLabel* sourceLabel(int row) const { return m_sourceLabels.value(row); }
    QLabel* finalLabel(int row) const { return m_finalLabels.value(row); }
    QPushButton* okButton() const { return m_ok; }

signals:
    // However the window was closed.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    QWidget* makeGroup(const QString& title, const QStringList& labels, QList<QLabel*>& labelCells,
                       QList<QLabel*>& valueCells);

    QList<QLabel*> m_sourceLabels;
    QList<QLabel*> m_sourceValues;
    QList<QLabel*> m_finalLabels;
    QList<QLabel*> m_finalValues;
    QLabel* m_verdict = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_closedSent = false;
};
