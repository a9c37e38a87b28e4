#include "platform/textfile.h"

#include "platform/textcodec.h"

#include <QFile>
#include <QSaveFile>

std::optional<QStringList> TextFile::readLines(const QString& hostPath, QString* error)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return splitLines(textcodec::decodeAnsiFile(bytes));
}

QStringList TextFile::splitLines(const QString& text)
{
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << line;
            line.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            line.append(c);
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

bool TextFile::writeLines(const QString& hostPath, const QStringList& lines, QString* error)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return writeText(hostPath, text, error);
}

bool TextFile::writeText(const QString& hostPath, const QString& text, QString* error)
{
    QSaveFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = textcodec::encodeAnsiFile(text);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}
