#pragma once

#include <QObject>
#include <QString>
#include <functional>

class ViewState;
struct AppState;

// What an unattended run writes on standard output while it makes its ZIPs:
// one line as each ZIP is begun, "03 of 12  game03.zip", taken from the run
// page's counter and ZIP name. A run with no window to watch can so be
// followed at a terminal or read back from a log; the line of the ZIP that
// failed is the last one. Interactive runs have the run page for this and
// write nothing.
class TerminalProgress : public QObject
{
    Q_OBJECT
public:
    // write gets each finished line, its newline included.
    using Writer = std::function<void(const QString& line)>;

    TerminalProgress(const ViewState& view, const AppState& app, Writer write, QObject* parent = nullptr);

    // The line for the run page's counter (" 3 of 12") and ZIP name, the
    // numbers zero-padded to the width of the count and to two digits at
    // least, like the ZIP numbers; empty when the counter counts no ZIPs
    // (an archives-only run counts its volumes).
    static QString lineFor(const QString& counter, const QString& zipName);

    // Standard output, flushed at once: the archiver writes to the same
    // terminal or file, and its lines and these must stay in order.
    static void writeToStandardOutput(const QString& line);

private:
    void viewChanged();

    const ViewState& m_view;
    const AppState& m_app;
    Writer m_write;
    QString m_lastLine;
};
