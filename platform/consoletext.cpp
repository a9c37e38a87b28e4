#include "platform/consoletext.h"

#include "platform/processend.h"

#include <QRegularExpression>
#include <algorithm>

void ConsoleText::feed(const QByteArray& bytes)
{
    QByteArray data = m_pending + bytes;
    m_pending.clear();
    // Keep an unfinished UTF-8 sequence at the end for the next read.
    int cut = int(data.size());
    for (int back = 1; back <= 3 && back <= data.size(); ++back) {
        const uchar c = uchar(data.at(data.size() - back));
        if ((c & 0xC0) == 0x80)
            continue;
        if (c >= 0xC0) {
            const int need = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
            if (need > back)
                cut = int(data.size()) - back;
        }
        break;
    }
    m_pending = data.mid(cut);
    const QString text = QString::fromLocal8Bit(data.left(cut));
    for (QChar c : text)
        put(c);
    notePercent(m_line);
}

void ConsoleText::put(QChar c)
{
    if (c == QLatin1Char('\n')) {
        endLine();
    } else if (c == QLatin1Char('\r')) {
        notePercent(m_line);
        m_column = 0;
    } else if (c == QLatin1Char('\b')) {
        if (m_column > 0)
            --m_column;
    } else if (c == QLatin1Char('\t') || c.isPrint()) {
        if (m_column < m_line.size())
            m_line[m_column] = c;
        else
            m_line.append(c);
        ++m_column;
    }
}

void ConsoleText::endLine()
{
    notePercent(m_line);
    m_done << m_line;
    if (m_done.size() > kMaxLines)
        m_done.removeFirst();
    m_line.clear();
    m_column = 0;
}

void ConsoleText::notePercent(const QString& text)
{
    static const QRegularExpression percent(QStringLiteral("(\\d{1,3})\\s*%"));
    QRegularExpressionMatchIterator it = percent.globalMatch(text);
    int last = -1;
    while (it.hasNext())
        last = it.next().captured(1).toInt();
    if (last >= 0 && last <= 100)
        m_percent = last;
}

QStringList ConsoleText::lines() const
{
    QStringList all = m_done;
    if (!m_line.isEmpty())
        all << m_line;
    return all;
}

QStringList ConsoleText::lastLines(int count) const
{
    QStringList all = lines();
    // Blank lines at the end explain nothing and would push out ones that do.
    while (!all.isEmpty() && all.constLast().trimmed().isEmpty())
        all.removeLast();
    return all.mid(std::max<qsizetype>(0, all.size() - count));
}

QString ConsoleText::titleOf(const QStringList& args)
{
    if (args.isEmpty())
        return {};
    const QString program = ProcessEnd::shownName(args.first());
    // The first word after the command that is no switch is the archive.
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString& word = args.at(i);
        if (!word.isEmpty() && !word.startsWith(QLatin1Char('-')))
            return program + QStringLiteral(" - ") + word;
    }
    return program;
}
