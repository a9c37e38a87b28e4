#pragma once

struct RunReport;

// Shows the "Ripping complete" window for a finished run. The window is not
// modal; closing it brings the main window back and enables it.
class ReportPresenter
{
public:
    virtual ~ReportPresenter() = default;
    virtual void showReport(const RunReport& report) = 0;
};
