#include "ui/reportwindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ReportWindow::ReportWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("reportWindow"));
    setWindowTitle(tr("Ripping complete"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeGroup(tr("Source"), sourceLabels(), m_sourceLabels, m_sourceValues));
    layout->addWidget(makeGroup(tr("Final archive"), finalLabels(), m_finalLabels, m_finalValues));
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("reportVerdict"));
    m_verdict->setWordWrap(true);
    m_verdict->setTextFormat(Qt::PlainText);
    m_verdict->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // As wide as the groups, so a long line wraps instead of widening the window.
    m_verdict->setMaximumWidth(400);
    m_verdict->hide();
    layout->addWidget(m_verdict);

    // These two labels read the same as their tips, which say what the row
    // holds when the value beside them is long.
    m_sourceLabels[1]->setToolTip(m_sourceLabels[1]->text());
    m_finalLabels[2]->setToolTip(m_finalLabels[2]->text());

    auto* buttons = new QHBoxLayout;
    m_ok = new QPushButton(tr("&OK"), this);
    m_ok->setObjectName(QStringLiteral("reportOk"));
    m_ok->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

QStringList ReportWindow::sourceLabels()
{
    return {tr("Path:"), tr("Type:"), tr("Size:")};
}

QStringList ReportWindow::finalLabels()
{
    return {tr("Type:"), tr("Size:"), tr("Path:"), tr("Count:"),
            tr("Total:"), tr("Rar/Ace compression:"), tr("Zip compression:")};
}

QWidget* ReportWindow::makeGroup(const QString& title, const QStringList& labels, QList<QLabel*>& labelCells,
                                 QList<QLabel*>& valueCells)
{
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    grid->setColumnMinimumWidth(1, 260);
    for (int row = 0; row < labels.size(); ++row) {
        auto* label = new QLabel(labels[row], box);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* value = new QLabel(box);
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setObjectName(title.left(1).toLower() + QStringLiteral("Value") + QString::number(row));
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1);
        labelCells << label;
        valueCells << value;
    }
    return box;
}

void ReportWindow::setSourceValues(const QStringList& values)
{
    for (int i = 0; i < m_sourceValues.size(); ++i)
        m_sourceValues[i]->setText(values.value(i));
}

void ReportWindow::setFinalValues(const QStringList& values)
{
    for (int i = 0; i < m_finalValues.size(); ++i)
        m_finalValues[i]->setText(values.value(i));
}

QString ReportWindow::sourceValue(int row) const
{
    return m_sourceValues.value(row) ? m_sourceValues[row]->text() : QString();
}

QString ReportWindow::finalValue(int row) const
{
    return m_finalValues.value(row) ? m_finalValues[row]->text() : QString();
}

void ReportWindow::setVerdict(const QString& text)
{
    m_verdict->setText(text);
    m_verdict->setVisible(!text.isEmpty());
}

void ReportWindow::done(int result)
{
    QDialog::done(result);
    if (!m_closedSent) {
        m_closedSent = true;
        emit closed();
    }
}

void ReportWindow::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted() && !m_closedSent) {
        m_closedSent = true;
        emit closed();
    }
}
