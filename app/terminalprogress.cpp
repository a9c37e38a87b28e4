#include "app/terminalprogress.h"

#include "job/appstate.h"
#include "job/viewstate.h"

#include <QRegularExpression>
#include <cstdio>

TerminalProgress::TerminalProgress(const ViewState& view, const AppState& app, Writer write, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_app(app)
    , m_write(std::move(write))
{
    connect(&view, &ViewState::changed, this, &TerminalProgress::viewChanged);
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
    return n + QStringLiteral(" of ") + count.rightJustified(width, QLatin1Char('0')) + QStringLiteral("  ") + zipName
           + QLatin1Char('\n');
}

void TerminalProgress::writeToStandardOutput(const QString& line)
{
    const QByteArray bytes = line.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void TerminalProgress::viewChanged()
{
    if (!m_app.unattended())
        return;
    const QString line = lineFor(m_view.run.counter, m_view.run.zipName);
    // The page is told of every change (each file added, each percent), the
    // ZIP's line only once; the end of a run clears the name, so that a
    // ZIP of the same name in a later run gets its line again.
    if (line == m_lastLine)
        return;
    m_lastLine = line;
    if (!line.isEmpty() && m_write)
        m_write(line);
}
