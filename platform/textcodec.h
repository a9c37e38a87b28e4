#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit code pages the program's files are written in. Windows-1252 is
// the code page of scripts and lists written on Windows; code page 437 is
// that of description (file_id.diz) and information (.nfo) files, which are
// handled as bytes and only shown through this table.
namespace textcodec {

bool fitsCp1252(const QString& text);
QByteArray toCp1252(const QString& text); // characters that do not fit become '?'
QString fromCp1252(const QByteArray& bytes);

QByteArray toCp437(const QString& text);  // characters that do not fit become '?'
QString fromCp437(const QByteArray& bytes);

// How scripts, the skip file and the list file are stored: Windows-1252 when
// every character fits, otherwise UTF-8 behind a byte-order mark. Reading
// takes a leading byte-order mark as UTF-8 and anything else as Windows-1252.
QByteArray encodeAnsiFile(const QString& text);
QString decodeAnsiFile(const QByteArray& bytes);

} // namespace textcodec
