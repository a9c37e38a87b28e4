#pragma once

#include <QString>
#include <optional>

// The two questions the program answers on standard output without starting
// the toolkit: "--help" (or "-h") and "--version". Only the whole command
// line equal to one of these words asks them. Anything else, "--help" with
// more after it included, is a script path as the command line has always
// read, so a script named "-h" stays reachable as "./-h".
class CommandLineHelp
{
public:
    // The text to print for this command-line tail, or none when the tail
    // names a script (or nothing).
    static std::optional<QString> answer(const QString& commandLineTail);

    // "zavok32 3.67" and a line on the archivers that come with it.
    static QString versionText();
    // How to start the program, what "!" and "$" do, how it ends, and where
    // it keeps its files.
    static QString helpText();
};
