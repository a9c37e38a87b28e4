#include "ui/qtreportpresenter.h"

#include "pipeline/runreport.h"
#include "platform/shell.h"
#include "ui/reportwindow.h"

#include <QPushButton>

QtReportPresenter::QtReportPresenter(Shell& shell, QWidget* parent)
    : QObject(parent)
    , m_shell(shell)
    , m_parent(parent)
{
}

void QtReportPresenter::showReport(const RunReport& report)
{
    if (m_window)
        m_window->close();
    // Not a child of the main window, which is minimised and disabled while
    // the report is open.
    m_window = new ReportWindow(nullptr);
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    m_window->setWindowTitle(report.caption);
    QStringList source;
    for (const RunReportRow& row : report.sourceRows())
        source << row.value;
    QStringList archive;
    for (const RunReportRow& row : report.archiveRows())
        archive << row.value;
    m_window->setSourceValues(source);
    m_window->setFinalValues(archive);
    m_window->setVerdict(report.verdict);
    connect(m_window, &ReportWindow::closed, this, [this] {
        m_shell.restoreMainWindow();
        m_shell.processPendingEvents();
        m_shell.setMainWindowEnabled(true);
    });
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    m_window->okButton()->setFocus();
}
