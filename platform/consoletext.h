#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// An outside program's output as a console window shows it: "\n" starts a
// new line, "\r" goes back to the start of the line so the next text writes
// over it (how an archiver redraws its percentage), "\b" steps back one
// character. Bytes are read as the locale's text; a character split across
// two reads is kept until its end arrives.
class ConsoleText
{
public:
    void feed(const QByteArray& bytes);

    // Every line so far, the one being written last.
    QStringList lines() const;
    // The last `count` lines that are not blank at the end: what a failed
    // program said last, for its failure message.
    QStringList lastLines(int count) const;
    // The last percentage printed ("  45%"), or -1 before the first.
    int percent() const { return m_percent; }

    // The console window's title for a command line's words: the program's
    // name and the archive it writes ("wrar - c:\Zavok001\game.rar"),
    // or the program's name alone when no archive follows.
    static QString titleOf(const QStringList& args);

    // Lines kept; older ones scroll away as in a console.
    static constexpr int kMaxLines = 2000;

private:
    void put(QChar c);
    void endLine();
    void notePercent(const QString& text);

    QStringList m_done;
    QString m_line;
    int m_column = 0;
    int m_percent = -1;
    QByteArray m_pending;
};
