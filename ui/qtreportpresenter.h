#pragma once

#include "pipeline/reportpresenter.h"

#include <QObject>
#include <QPointer>

class ReportWindow;
class Shell;
class QWidget;

// Shows a finished run's report in the "Ripping complete" window; closing
// it, by OK or otherwise, brings the main window back and enables it.
class QtReportPresenter : public QObject, public ReportPresenter
{
    Q_OBJECT
public:
    QtReportPresenter(Shell& shell, QWidget* parent);

    void showReport(const RunReport& report) override;
    ReportWindow* window() const { return m_window; }

private:
    Shell& m_shell;
    QPointer<QWidget> m_parent;
    QPointer<ReportWindow> m_window;
};
