#include "ui/archiverwindow.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

ArchiverWindow::ArchiverWindow(const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("archiverWindow"));
    setWindowTitle(title);
    // While the archiver runs nothing else of the program takes input.
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QStringLiteral("archiverOutput"));
    m_output->setAccessibleName(tr("Archiver output"));
    m_output->setReadOnly(true);
    m_output->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_output->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(m_output->font());
    m_output->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('x')) * 80, metrics.lineSpacing() * 14);
    layout->addWidget(m_output, 1);

    auto* row = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("archiverProgress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("archiverStatus"));
    m_cancel = new QPushButton(tr("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("archiverCancel"));
    row->addWidget(m_progress, 1);
    row->addWidget(m_status);
    row->addWidget(m_cancel);
    layout->addLayout(row);

    connect(m_cancel, &QPushButton::clicked, this, &ArchiverWindow::cancelClicked);
}

void ArchiverWindow::showOutput(const QStringList& lines, int percent)
{
    if (lines != m_shown) {
        // Only the line being redrawn and the new ones change; the rest
        // stays, so the view does not jump while the user scrolls back.
        const bool atEnd = m_output->verticalScrollBar()->value() == m_output->verticalScrollBar()->maximum();
        qsizetype same = 0;
        while (same < lines.size() && same < m_shown.size() && lines.at(same) == m_shown.at(same))
            ++same;
        if (same < m_shown.size() - 1 || lines.size() < m_shown.size() || same == 0) {
            m_output->setPlainText(lines.join(QLatin1Char('\n')));
        } else {
            QTextCursor cursor = m_output->textCursor();
            cursor.movePosition(QTextCursor::End);
            if (same < m_shown.size()) {
                cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
                cursor.insertText(lines.mid(same).join(QLatin1Char('\n')));
            } else {
                cursor.insertText(QLatin1Char('\n') + lines.mid(same).join(QLatin1Char('\n')));
            }
        }
        m_shown = lines;
        if (atEnd)
            m_output->verticalScrollBar()->setValue(m_output->verticalScrollBar()->maximum());
    }
    if (percent >= 0)
        m_progress->setValue(percent);
}

void ArchiverWindow::showCancelling(const QString& status)
{
    m_status->setText(status);
    m_cancel->setEnabled(false);
}

void ArchiverWindow::showEnded(const QString& status)
{
    m_ending = true;
    m_status->setText(status);
    disconnect(m_cancel, &QPushButton::clicked, this, &ArchiverWindow::cancelClicked);
    m_cancel->setText(tr("&Close"));
    m_cancel->setEnabled(true);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    // Modality changes only when the window is shown again.
    const bool shown = isVisible();
    hide();
    setWindowModality(Qt::NonModal);
    if (shown)
        show();
}

void ArchiverWindow::closeEvent(QCloseEvent* event)
{
    if (m_ending) {
        event->accept();
        return;
    }
    // The archiver is still writing: the window goes when it has ended.
    event->ignore();
    if (m_cancel->isEnabled())
        emit cancelClicked();
}
