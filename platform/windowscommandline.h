#pragma once

#include <QString>
#include <QStringList>

// A whole Windows command line, as a Windows program's C runtime turns it into
// argv. The archiver command lines are written for those rules, so the
// programs started from them receive the arguments a Windows program would.
class WindowsCommandLine
{
public:
    // argv[0] ends at the first blank or tab outside quotes; its quotes only
    // group and are dropped, and backslashes are plain characters.
    // Every further argument follows the C runtime's rules:
    //   - blanks and tabs outside quotes separate arguments;
    //   - 2n backslashes before a quote give n backslashes, and the quote
    //     opens or closes a quoted part;
    //   - 2n+1 backslashes before a quote give n backslashes and a literal
    //     quote;
    //   - backslashes before anything else are kept as they are;
    //   - inside a quoted part, "" gives one literal quote and the part goes
    //     on;
    //   - "" outside quotes is an empty argument.
    static QStringList split(const QString& commandLine);

    // The argument in quotes, written so that split() gives it back unchanged
    // whatever quotes, backslashes or blanks it holds.
    static QString quote(const QString& argument);
};
