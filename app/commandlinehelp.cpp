#include "app/commandlinehelp.h"

#include "app/commandlineoptions.h"
#include "job/exitstatus.h"

#include <QCoreApplication>
#include <QStringList>

#ifndef ZAVOK32_VERSION
#error "ZAVOK32_VERSION comes from the project version in CMakeLists.txt"
#endif

namespace {

constexpr int kColumns = 79;

QString statusLine(int status, const char* meaning)
{
    return QStringLiteral("  %1  %2\n").arg(status).arg(QLatin1String(meaning));
}

// The words of `text` in lines of at most `width` characters, each line
// after the first indented by `indent` blanks.
QString wrapped(const QString& text, int indent, int width)
{
    QString out;
    int column = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (column > 0 && column + 1 + word.size() > width) {
            out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = 0;
        } else if (column > 0) {
            out += QLatin1Char(' ');
            ++column;
        }
        out += word;
        column += int(word.size());
    }
    return out;
}

QString roffEscaped(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    text.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    // A line starting with a dot or a quote would be read as a request.
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

} // namespace

QString CommandLineHelp::versionText()
{
    return QStringLiteral("zavok32 " ZAVOK32_VERSION "\n"
                          "with its own archivers wrar and wace " ZAVOK32_VERSION "\n");
}

QString CommandLineHelp::usageText()
{
    return QStringLiteral("Usage: zavok32 [OPTION]... [--] [SCRIPT]\n"
                          "       zavok32 [OPTION]... [--] '!SCRIPT'\n"
                          "       zavok32 [OPTION]... [--] '$SCRIPT'\n"
                          "       zavok32 --check PATH\n"
                          "       zavok32 --repair PATH\n");
}

QString CommandLineHelp::usageErrorText(const QString& error)
{
    return QStringLiteral("zavok32: ") + error + QLatin1Char('\n') + usageText()
           + QCoreApplication::translate("CommandLine", "Try 'zavok32 --help' for more.") + QLatin1Char('\n');
}

QString CommandLineHelp::optionLines()
{
    const QList<CommandLineOption>& table = CommandLineOptions::table();
    const auto shown = [](const CommandLineOption& option) {
        // Long-only options line up with the long names of the others.
        const QString synopsis = CommandLineOptions::synopsisOf(option);
        return option.names.constFirst().size() == 1 ? synopsis : QStringLiteral("    ") + synopsis;
    };
    const QString endOfOptions = QStringLiteral("    --");
    int width = int(endOfOptions.size());
    for (const CommandLineOption& option : table)
        width = std::max(width, int(shown(option).size()));
    const int indent = 2 + width + 2;

    QString text;
    const auto line = [&](const QString& synopsis, const QString& description) {
        text += QStringLiteral("  ") + synopsis.leftJustified(width) + QStringLiteral("  ")
                + wrapped(description, indent, kColumns - indent) + QLatin1Char('\n');
    };
    for (const CommandLineOption& option : table)
        line(shown(option), CommandLineOptions::descriptionOf(option));
    line(endOfOptions, QCoreApplication::translate("CommandLine", "end of the options: every word after it is part "
                                                             "of the script argument"));
    return text;
}

QString CommandLineHelp::helpText()
{
    QString text = usageText();
    text += QStringLiteral(
        "\n"
        "Packs a drive, a folder or a CD image (.iso, or .bin with its .cue) into a\n"
        "numbered set of archive volumes with wrar or wace, and wraps every volume in\n"
        "a ZIP of its own with a numbered file_id.diz and a stamped .nfo.\n"
        "\n"
        "  SCRIPT    load this .zvk job and wait in the window\n"
        "  !SCRIPT   load, check and run the job unattended, then close\n"
        "  $SCRIPT   the same, with the date after the base name of every ZIP\n"
        "\n"
        "Options:\n");
    text += optionLines();
    text += QStringLiteral(
        "\n"
        "The words that are not options make up the script, joined by single blanks:\n"
        "a path of this computer, or a drive-letter path such as c:\\scripts\\game.zvk.\n"
        "Quote it in a shell, where ! and $ mean something; a script whose name starts\n"
        "with \"-\" follows \"--\".\n"
        "\n"
        "An unattended run shows its progress on standard output: at a terminal one\n"
        "line that keeps itself up to date (the whole run in percent, MB/s, the time\n"
        "taken and the time left), into a file or a pipe the archiver's lines and a\n"
        "line for every ZIP it makes; either way a summary line at the end. When it\n"
        "ends early it says why on standard error. With no display it runs without a\n"
        "window; a job without \"!\" or \"$\" needs one, and so does a start with\n"
        "QT_QPA_PLATFORM=offscreen. A start while the window is open hands the script\n"
        "to that window, which opens it.\n"
        "\n"
        "Exit status:\n");
    text += statusLine(exitstatus::Done, "the job ran and its ZIPs (archives only: its volumes) were made,");
    text += QStringLiteral("     or the window was closed\n");
    text += statusLine(exitstatus::DriveRoot, "the program is installed in a drive root and cannot run there");
    text += statusLine(exitstatus::NotRun, "the job did not run: the script could not be read, the job did");
    text += QStringLiteral("     not pass its check or the run refused it; there is no display; or\n"
                           "     the command line could not be read\n");
    text += statusLine(exitstatus::Stopped, "the run started and did not finish");
    text += statusLine(exitstatus::AnotherCopy, "another copy is running for the same application directory");
    text += QStringLiteral("     and could not take the script\n");
    text += statusLine(exitstatus::SetInUse, "another run is writing the same set (ZIP folder and base name)");
    text += QStringLiteral("  130, 143, 129  stopped by SIGINT, SIGTERM, SIGHUP; the same command goes on\n");
    text += QStringLiteral(
        "\n"
        "A run that was stopped or killed goes on where it stopped the next time the\n"
        "same job runs (--restart starts it afresh instead).\n"
        "\n"
        "Files: the application directory is $ZAVOK32_HOME when set, otherwise\n"
        "~/.local/share/zavok32. It holds the settings (drive1.ini, zcom1.ini,\n"
        "zcomment.ini, sounds.ini), the folders Scripts and temp, and the drive map\n"
        "dosdevices: one symbolic link per drive letter, c: -> drive_c and z: -> /\n"
        "at first start. Add a drive with\n"
        "  ln -s /media/cdrom ~/.local/share/zavok32/dosdevices/d:\n"
        "\n"
        "See zavok32(1), wrar(1), wace(1), and the help in the window (F1).\n");
    return text;
}

QString CommandLineHelp::manualOptions()
{
    QString roff;
    for (const CommandLineOption& option : CommandLineOptions::table()) {
        QStringList names;
        for (const QString& name : option.names)
            names << roffEscaped((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        roff += QStringLiteral(".TP\n");
        if (option.valueName.isEmpty()) {
            roff += names.size() == 1 ? QStringLiteral(".B ") + names.constFirst()
                                      : QStringLiteral(".BR ") + names.join(QStringLiteral(" \", \" "));
        } else {
            // Only the last name carries the value, as in "-c, --check=PATH".
            const QString last = names.takeLast();
            roff += QStringLiteral(".BI ");
            for (const QString& name : names)
                roff += name + QStringLiteral(" \", \" ");
            roff += last + QStringLiteral("= ") + roffEscaped(option.valueName);
        }
        QString description = CommandLineOptions::descriptionOf(option);
        if (!description.isEmpty())
            description[0] = description[0].toUpper();
        roff += QLatin1Char('\n') + roffEscaped(description) + QStringLiteral(".\n");
    }
    roff += QStringLiteral(".TP\n.B \\-\\-\nEnd of the options: every word after it is part of the script argument.\n");
    return roff;
}
