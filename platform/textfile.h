#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Text files of lines, as scripts, the skip list, the list file and the
// settings files are kept: each line ends in CR LF; the bytes are
// Windows-1252, or UTF-8 behind a byte-order mark when a character does not
// fit (see textcodec).
class TextFile
{
public:
    // Lines end at CR LF, CR or LF; a final line end adds no empty line.
    static std::optional<QStringList> readLines(const QString& hostPath, QString* error = nullptr);
    static QStringList splitLines(const QString& text);

    // Replaces the file only once everything is written, so a failed write
    // leaves the earlier file as it was.
    static bool writeLines(const QString& hostPath, const QStringList& lines, QString* error = nullptr);
    // Writes text exactly as given (its own line ends included).
    static bool writeText(const QString& hostPath, const QString& text, QString* error = nullptr);
};
