#pragma once

#include <QString>

// What the program prints about its own command line, without starting the
// toolkit: the help (--help), the version (--version), the answer to a
// command line it cannot read, and the OPTIONS of its manual page. The
// options come from the one table of CommandLineOptions.
class CommandLineHelp
{
public:
    // "zavok32 3.67" and a line on the archivers that come with it.
    static QString versionText();
    // How to start the program, its options, what "!" and "$" do, how it
    // ends, and where it keeps its files.
    static QString helpText();
    // The usage lines alone.
    static QString usageText();
    // For standard error: what was wrong, the usage, and where to read more.
    static QString usageErrorText(const QString& error);
    // The options as the manual page lists them (roff, .TP paragraphs).
    static QString manualOptions();

    // The option column of the help, every description wrapped to fit a
    // terminal of 80 columns.
    static QString optionLines();
};
