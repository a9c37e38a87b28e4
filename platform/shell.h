#pragma once

#include <QString>
#include <optional>

enum class PageId { Source, Skip, Diz, Nfo, Zip, Run, About };

// Controls that logic sends the keyboard focus to.
enum class FocusTarget { SourceSink, SkipSink, DizColumn, DizLine, ZipName, NfoSink, DizSink, ZipSink };

// What logic asks of the main window beyond the page texts it writes itself.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual void showPage(PageId page) = 0;
    // The page the window shows now; empty when the window cannot tell.
    virtual std::optional<PageId> visiblePage() const { return std::nullopt; }
    virtual void focus(FocusTarget target) = 0;
    // One pass over the queued window events.
    virtual void processPendingEvents() = 0;
    // Ends the process at once, without the shutdown steps. The caller returns
    // right after; a reason, when given, is for a person reading a log.
    virtual void endApplication(int exitCode = 0, const QString& reason = {}) = 0;
    // Closes the main window, which runs the normal shutdown.
    virtual void closeMainWindow() = 0;
    // A line for whoever follows an unattended run (standard output).
    virtual void report(const QString& line) { Q_UNUSED(line); }
    // For whoever reads an unattended run's output: a warning it went on
    // past (standard error).
    virtual void tellWarning(const QString& line) { (void)line; }

    // The main window's own state during a run.
    virtual void minimiseMainWindow() = 0;
    virtual void restoreMainWindow() = 0;
    virtual void setMainWindowEnabled(bool enabled) = 0;
    virtual void repaintMainWindow() = 0;
    // The user is working in one of the program's windows now.
    virtual bool programActive() const { return true; }
};
