#include "app/commandlineoptions.h"

#include "app/checkcommand.h"
#include "job/recoveryoption.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const char* const kContext = "CommandLine";

QString dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

const QList<CommandLineOption>& CommandLineOptions::table()
{
    static const QList<CommandLineOption> options{
        {{QStringLiteral("h"), QStringLiteral("help")},
         {},
         QT_TRANSLATE_NOOP("CommandLine", "print how to start the program and its exit statuses, and exit"),
         [](LaunchRequest& r, const QString&) -> std::optional<QString> {
             r.answer = LaunchRequest::Answer::Help;
             return std::nullopt;
         }},
        {{QStringLiteral("version")},
         {},
         QT_TRANSLATE_NOOP("CommandLine", "print the version and exit"),
         [](LaunchRequest& r, const QString&) -> std::optional<QString> {
             if (r.answer == LaunchRequest::Answer::None)
                 r.answer = LaunchRequest::Answer::Version;
             return std::nullopt;
         }},
        {{QStringLiteral("check")},
         QStringLiteral("PATH"),
         QT_TRANSLATE_NOOP("CommandLine",
                           "check the set PATH names (its folder, one of its ZIPs, its .sfv or .sha256) and write "
                           "nothing: a line per ZIP and a summary; status 0 when the set is whole and sound, 1 when "
                           "it is not, 2 when PATH names no set"),
         [](LaunchRequest& r, const QString& path) -> std::optional<QString> {
             r.instead = [path] { return CheckCommand::run(path); };
             return std::nullopt;
         }},
        {{QStringLiteral("repair")},
         QStringLiteral("PATH"),
         QT_TRANSLATE_NOOP("CommandLine",
                           "rebuild the missing and damaged ZIPs of the set PATH names from its recovery files, "
                           "then check it: status 0 when the set is whole and sound, 1 when it is not (the "
                           "recovery data was not enough; nothing was written), 2 when PATH names no set"),
         [](LaunchRequest& r, const QString& path) -> std::optional<QString> {
             r.instead = [path] { return CheckCommand::repair(path); };
             return std::nullopt;
         }},
        {{QStringLiteral("recovery")},
         QStringLiteral("N"),
         QT_TRANSLATE_NOOP("CommandLine",
                           "write recovery files that can rebuild any N ZIPs of the set (0 for none, at most 99), "
                           "whatever Options > Recovery files says"),
         [](LaunchRequest& r, const QString& value) -> std::optional<QString> {
             bool ok = false;
             const int zips = value.toInt(&ok);
             if (!ok || zips < 0 || zips > RecoveryOption::Most)
                 return QCoreApplication::translate("CommandLine", "--recovery takes a number of ZIPs from 0 to 99, not '%1'")
                     .arg(value);
             r.recoveryZips = zips;
             return std::nullopt;
         }},
        {{QStringLiteral("q"), QStringLiteral("quiet")},
         {},
         QT_TRANSLATE_NOOP("CommandLine", "print nothing but errors while a job runs unattended"),
         [](LaunchRequest& r, const QString&) -> std::optional<QString> {
             r.quiet = true;
             return std::nullopt;
         }},
        {{QStringLiteral("restart")},
         {},
         QT_TRANSLATE_NOOP("CommandLine", "delete an interrupted run of the job and start afresh"),
         [](LaunchRequest& r, const QString&) -> std::optional<QString> {
             r.restart = true;
             return std::nullopt;
         }},
    };
    return options;
}

QString CommandLineOptions::synopsisOf(const CommandLineOption& option)
{
    QStringList names;
    for (const QString& name : option.names)
        names << dashed(name);
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName.isEmpty())
        text += QLatin1Char('=') + option.valueName;
    return text;
}

QString CommandLineOptions::descriptionOf(const CommandLineOption& option)
{
    return QCoreApplication::translate(kContext, option.description);
}

LaunchRequest CommandLineOptions::parse(const QStringList& arguments)
{
    LaunchRequest request;
    QCommandLineParser parser;
    // "-qh" is -q and -h; options may follow the script, and "--" ends them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const CommandLineOption& option : table())
        parser.addOption(QCommandLineOption(option.names, descriptionOf(option), option.valueName));

    // The program's own name never counts, whatever it looks like.
    QStringList words = arguments;
    if (words.isEmpty())
        words << QStringLiteral("zavok32");
    if (!parser.parse(words)) {
        request.answer = LaunchRequest::Answer::UsageError;
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) {
            request.error = parser.errorText();
        } else {
            QStringList shown;
            for (const QString& name : unknown)
                shown << dashed(name);
            request.error = (shown.size() == 1 ? QCoreApplication::translate("CommandLine", "unknown option %1")
                                               : QCoreApplication::translate("CommandLine", "unknown options %1"))
                                .arg(shown.join(QStringLiteral(", ")));
        }
        return request;
    }

    request.tail = parser.positionalArguments().join(QLatin1Char(' '));
    for (const CommandLineOption& option : table()) {
        const QString name = option.names.constFirst();
        if (!parser.isSet(name))
            continue;
        const QStringList values = option.valueName.isEmpty() ? QStringList{QString()} : parser.values(name);
        for (const QString& value : values) {
            if (const auto wrong = option.apply(request, value)) {
                request.answer = LaunchRequest::Answer::UsageError;
                request.error = *wrong;
                return request;
            }
        }
    }
    return request;
}
