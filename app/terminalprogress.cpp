#include "app/terminalprogress.h"

#include "job/appstate.h"
#include "job/viewstate.h"
#include "platform/numbertext.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// Back to the start of the line, and clear what is left of the old one.
const QString kRedraw = QStringLiteral("\r");
const QString kClearRest = QStringLiteral("\x1b[K");

} // namespace

TerminalProgress::TerminalProgress(const ViewState& view, const AppState& app, Style style, Writer write,
                                   QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_app(app)
    , m_style(style)
    , m_write(std::move(write))
{
    connect(&view, &ViewState::changed, this, &TerminalProgress::viewChanged);
}

TerminalProgress::Style TerminalProgress::styleFor(bool quiet, bool terminal)
{
    if (quiet)
        return Style::Quiet;
    return terminal ? Style::InPlace : Style::Lines;
}

bool TerminalProgress::standardOutputIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}

int TerminalProgress::terminalColumns()
{
    winsize size{};
    return ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 ? int(size.ws_col) : 0;
}

QString TerminalProgress::lineFor(const QString& counter, const QString& zipName)
{
    static const QRegularExpression counted(QStringLiteral("^\\s*(\\d+) of\\s*(\\d+)\\s*$"));
    const QRegularExpressionMatch match = counted.match(counter);
    if (zipName.isEmpty() || !match.hasMatch())
        return {};
    const QString count = match.captured(2);
    const int width = std::max<int>(2, count.size());
    const QString n = match.captured(1).rightJustified(width, QLatin1Char('0'));
    return n + QCoreApplication::translate("TerminalProgress", " of ") + count.rightJustified(width, QLatin1Char('0')) + QStringLiteral("  ") + zipName
           + QLatin1Char('\n');
}

QString TerminalProgress::duration(qint64 ms)
{
    return numbertext::duration(ms);
}

QString TerminalProgress::progressLine(const WholeRunView& whole, const RunPageView& run)
{
    QString doing;
    const QString zipLine = lineFor(run.counter, run.zipName);
    if (!zipLine.isEmpty())
        doing = QCoreApplication::translate("TerminalProgress", "ZIP %1").arg(zipLine.section(QLatin1String("  "), 0, 0));
    else
        doing = QCoreApplication::translate("TerminalProgress", "archiving");
    const QString rate = whole.elapsedMs > 0
        ? QString::number(double(whole.doneBytes) / 1000.0 / double(whole.elapsedMs), 'f', 1)
        : QStringLiteral("--");
    const QString left = whole.remainingMs >= 0 ? duration(whole.remainingMs) : QStringLiteral("--:--");
    return QCoreApplication::translate("TerminalProgress", "%1%  %2  %3 MB/s  %4 taken  %5 left")
        .arg(QString::number(whole.percent).rightJustified(3), doing.leftJustified(16), rate.rightJustified(5),
             duration(whole.elapsedMs), left);
}

QString TerminalProgress::verdictLine(const WholeRunView& whole)
{
    QString lines = whole.verdict.isEmpty() ? QString() : whole.verdict + QLatin1Char('\n');
    // The same words as the report's row, which a window user sees.
    if (!whole.recovery.isEmpty())
        lines += QCoreApplication::translate("RunReport", "Recovery:") + QLatin1Char(' ') + whole.recovery + QLatin1Char('\n');
    return lines;
}

QString TerminalProgress::summaryLine(const WholeRunView& whole)
{
    const QString made = whole.archivesOnly
        ? (whole.made == 1 ? QCoreApplication::translate("TerminalProgress", "1 volume")
                           : QCoreApplication::translate("TerminalProgress", "%1 volumes").arg(whole.made))
        : (whole.made == 1 ? QCoreApplication::translate("TerminalProgress", "1 ZIP")
                           : QCoreApplication::translate("TerminalProgress", "%1 ZIPs").arg(whole.made));
    return QCoreApplication::translate("TerminalProgress", "%1, %2 bytes, made in %3")
        .arg(made, numbertext::grouped(whole.madeBytes), duration(whole.elapsedMs));
}

void TerminalProgress::writeToStandardOutput(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void TerminalProgress::say(const QString& line)
{
    if (m_style == Style::Quiet || !m_write)
        return;
    endLine();
    m_write(QStringLiteral("zavok32: ") + line + QLatin1Char('\n'));
}

void TerminalProgress::endLine()
{
    if (!m_lineOpen)
        return;
    m_lineOpen = false;
    if (m_write)
        m_write(QStringLiteral("\n"));
}

void TerminalProgress::viewChanged()
{
    if (!m_app.unattended() || m_style == Style::Quiet || !m_write)
        return;
    // A new run writes its own summary.
    if (m_view.wholeRun.running)
        m_summaryWritten = false;
    if (m_style == Style::Lines)
        writeLines();
    else
        drawInPlace();
}

void TerminalProgress::writeLines()
{
    const QString line = lineFor(m_view.run.counter, m_view.run.zipName);
    // The page is told of every change (each file added, each percent), the
    // ZIP's line only once; the end of a run clears the name, so that a
    // ZIP of the same name in a later run gets its line again.
    if (line != m_lastLine) {
        m_lastLine = line;
        if (!line.isEmpty())
            m_write(line);
    }
    if (m_view.wholeRun.finished && !m_summaryWritten) {
        m_summaryWritten = true;
        m_write(summaryLine(m_view.wholeRun) + QLatin1Char('\n') + verdictLine(m_view.wholeRun));
    }
}

void TerminalProgress::drawInPlace()
{
    const WholeRunView& whole = m_view.wholeRun;
    if (whole.finished) {
        if (!m_summaryWritten) {
            m_summaryWritten = true;
            m_write(kRedraw + summaryLine(whole) + kClearRest + QLatin1Char('\n') + verdictLine(whole));
            m_lineOpen = false;
        }
        return;
    }
    if (!whole.running) {
        endLine();
        m_drawnPercent = -1;
        return;
    }
    QString text = progressLine(whole, m_view.run);
    if (const int width = columns ? columns() : 0; width > 1)
        text.truncate(width - 1);
    const bool due = whole.percent != m_drawnPercent || whole.elapsedMs - m_drawnAtMs >= kRedrawMs;
    if (text == m_drawn || !due)
        return;
    m_drawn = text;
    m_drawnPercent = whole.percent;
    m_drawnAtMs = whole.elapsedMs;
    m_lineOpen = true;
    m_write(kRedraw + text + kClearRest);
}
