#pragma once

#include "app/launchrequest.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// One option of the command line: its names, its value, one line on what it
// does, and what it does to the launch.
struct CommandLineOption {
    // One letter is the short form (-q), longer names the long form (--quiet).
    QStringList names;
    // Empty for a switch; otherwise the placeholder of its value ("PATH",
    // "N"), given as --name=VALUE or --name VALUE.
    QString valueName;
    // For --help and the manual page: what the option does, in lower case
    // without a full stop. A source text for translation (context
    // "CommandLine"), so it is written whole, not built from pieces.
    const char* description = "";
    // Applies the option (once per time it is given, with its value) to the
    // launch; returns what is wrong with the value, or nothing when it is
    // good.
    std::function<std::optional<QString>(LaunchRequest& request, const QString& value)> apply;
};

// The command line of zavok32: one table of options, read by the
// toolkit's parser before the toolkit itself starts (whether a window is
// needed at all depends on it), and the same table behind --help and the
// OPTIONS of the manual page.
//
// Adding an option takes a row in table() (commandlineoptions.cpp) and,
// where the launch must carry something new, a field in LaunchRequest:
//   {{"recovery"}, "N", QT_TRANSLATE_NOOP("CommandLine", "..."),
//    [](LaunchRequest& r, const QString& v) -> std::optional<QString> {
//        bool ok = false; r.recoveryPercent = v.toInt(&ok);
//        if (!ok) return QStringLiteral("--recovery needs a number, not %1").arg(v);
//        return std::nullopt; }},
// An option that does its own work and ends (checking a set, say) sets
// LaunchRequest::instead. Help and manual page follow by themselves.
class CommandLineOptions
{
public:
    static const QList<CommandLineOption>& table();

    // The arguments as the process got them, the program's name first.
    // Options may stand anywhere; after "--" every word is part of the
    // script argument. A word starting with "-" that no row names is an
    // unknown option.
    static LaunchRequest parse(const QStringList& arguments);

    // "-q, --quiet" or "--recovery=N", as help and manual page name a row.
    static QString synopsisOf(const CommandLineOption& option);
    // The row's description, translated once a translation is loaded.
    static QString descriptionOf(const CommandLineOption& option);
};
