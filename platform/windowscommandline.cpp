#include "platform/windowscommandline.h"

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

QStringList WindowsCommandLine::split(const QString& commandLine)
{
    const QChar quoteChar(QLatin1Char('"'));
    const QChar backslash(QLatin1Char('\\'));
    const qsizetype end = commandLine.size();
    QStringList args;

    qsizetype i = 0;
    QString program;
    bool inQuotes = false;
    for (; i < end; ++i) {
        const QChar c = commandLine[i];
        if (c == quoteChar)
            inQuotes = !inQuotes;
        else if (!inQuotes && isBlank(c))
            break;
        else
            program += c;
    }
    args << program;

    inQuotes = false;
    for (;;) {
        while (i < end && isBlank(commandLine[i]))
            ++i;
        if (i >= end)
            break;
        QString arg;
        for (;;) {
            qsizetype backslashes = 0;
            while (i < end && commandLine[i] == backslash) {
                ++i;
                ++backslashes;
            }
            bool literal = true;
            if (i < end && commandLine[i] == quoteChar) {
                if (backslashes % 2 == 0) {
                    if (inQuotes && i + 1 < end && commandLine[i + 1] == quoteChar) {
                        ++i; // "" inside quotes: one literal quote
                    } else {
                        literal = false;
                        inQuotes = !inQuotes;
                    }
                }
                backslashes /= 2;
            }
            arg += QString(backslashes, backslash);
            if (i >= end || (!inQuotes && isBlank(commandLine[i])))
                break;
            if (literal)
                arg += commandLine[i];
            ++i;
        }
        args << arg;
    }
    return args;
}

QString WindowsCommandLine::quote(const QString& argument)
{
    const QChar quoteChar(QLatin1Char('"'));
    const QChar backslash(QLatin1Char('\\'));
    QString result(quoteChar);
    qsizetype backslashes = 0;
    for (const QChar c : argument) {
        if (c == backslash) {
            ++backslashes;
            continue;
        }
        // Backslashes only need doubling where a quote follows them.
        if (c == quoteChar)
            result += QString(backslashes * 2 + 1, backslash);
        else
            result += QString(backslashes, backslash);
        backslashes = 0;
        result += c;
    }
    result += QString(backslashes * 2, backslash);
    result += quoteChar;
    return result;
}
