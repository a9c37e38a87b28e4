#pragma once

#include <QObject>
#include <QString>
#include <functional>

class ViewState;
struct AppState;
struct RunPageView;
struct WholeRunView;

// What an unattended run writes on standard output while it works, in one
// of three styles:
// - at a terminal, one line that is drawn again in place: the whole run in
//   percent, the ZIP being made, MB/s, the time taken and the time left;
// - into a file or a pipe, a line as each ZIP is begun, "03 of 12
//   game03.zip" (the archiver's own lines come before them), so that a log
//   reads back well and the line of the ZIP that failed is the last one;
// - quiet, nothing.
// A run that made everything ends with a summary line in the first two,
// and below it the report's line on the proof of the set.
// Interactive runs have the run page for all this and write nothing.
class TerminalProgress : public QObject
{
    Q_OBJECT
public:
    enum class Style { Quiet, Lines, InPlace };
    // write gets the text to put out as it is, line ends and redraws included.
    using Writer = std::function<void(const QString& text)>;

    TerminalProgress(const ViewState& view, const AppState& app, Style style, Writer write,
                     QObject* parent = nullptr);

    static Style styleFor(bool quiet, bool terminal);
    static bool standardOutputIsTerminal();
    // The width of the terminal on standard output; 0 when it is not known.
    static int terminalColumns();

    // The width the line in place must keep to, so that drawing it again
    // never wraps; unset or 0: no limit.
    std::function<int()> columns;

    // The line for the run page's counter (" 3 of 12") and ZIP name, the
    // numbers zero-padded to the width of the count and to two digits at
    // least, like the ZIP numbers; empty when the counter counts no ZIPs
    // (an archives-only run counts its volumes).
    static QString lineFor(const QString& counter, const QString& zipName);
    // " 42%  ZIP 03 of 12  12.3 MB/s  0:07 taken  0:10 left", without a line end.
    static QString progressLine(const WholeRunView& whole, const RunPageView& run);
    // "3 ZIPs, 3,645,123 bytes, made in 0:04", without a line end.
    static QString summaryLine(const WholeRunView& whole);
    // The report's line on the proof of the set, with its line end; empty
    // when there is nothing to say.
    static QString verdictLine(const WholeRunView& whole);
    // "0:07", "1:02:03".
    static QString duration(qint64 ms);

    // Ends a progress line left open at the terminal, so that what comes
    // next (an error on standard error) starts a line of its own.
    void endLine();
    // A line the run has to say ("zavok32: continuing the interrupted run
    // ..."), on a line of its own; nothing when quiet.
    void say(const QString& line);

    // Standard output, flushed at once: the archiver writes to the same
    // terminal or file, and its lines and these must stay in order.
    static void writeToStandardOutput(const QString& text);

    // Redraws of the line in place at most this often, unless its percent moves.
    static constexpr qint64 kRedrawMs = 200;

private:
    void viewChanged();
    void writeLines();
    void drawInPlace();

    const ViewState& m_view;
    const AppState& m_app;
    Style m_style;
    Writer m_write;
    QString m_lastLine;
    bool m_summaryWritten = false;
    bool m_lineOpen = false;
    QString m_drawn;
    int m_drawnPercent = -1;
    qint64 m_drawnAtMs = 0;
};
