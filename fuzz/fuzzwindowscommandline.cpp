// The splitting of a whole Windows command line into arguments, and the
// quoting that the run relies on to pass any text through it. The input is
// read as a command line, and also as arguments one per line. Besides not
// crashing:
// - every command line has a program name, free of quotes;
// - the arguments of any command line, each quoted and joined again, split
//   back into the same arguments;
// - any argument at all, quoted, splits back unchanged, also beside others;
// - a program name without quotes may be quoted and still split the same.
#include "fuzzinput.h"

#include "platform/windowscommandline.h"

#include <QStringList>

namespace {

QString rejoined(const QString& program, const QStringList& arguments)
{
    QString line = program;
    for (const QString& argument : arguments)
        line += QLatin1Char(' ') + WindowsCommandLine::quote(argument);
    return line;
}

QString listed(const QStringList& list)
{
    QStringList shown;
    for (const QString& s : list)
        shown << QLatin1Char('[') + s + QLatin1Char(']');
    return shown.join(QLatin1Char(' '));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput input(data, size);
    const QString text = QString::fromLatin1(input.all());

    const QStringList split = WindowsCommandLine::split(text);
    FUZZ_CHECK(!split.isEmpty(), text);
    FUZZ_CHECK(!split.first().contains(QLatin1Char('"')), split.first());
    const QStringList arguments = split.mid(1);
    const QString again = rejoined(QStringLiteral("prog"), arguments);
    FUZZ_CHECK(WindowsCommandLine::split(again) == QStringList{QStringLiteral("prog")} + arguments,
               listed(arguments) + QStringLiteral("\nbecame\n") + listed(WindowsCommandLine::split(again)));

    const QStringList pieces = text.split(QLatin1Char('\n'));
    const QString quoted = rejoined(QStringLiteral("wrar.exe"), pieces);
    FUZZ_CHECK(WindowsCommandLine::split(quoted) == QStringList{QStringLiteral("wrar.exe")} + pieces,
               listed(pieces) + QStringLiteral("\nbecame\n") + listed(WindowsCommandLine::split(quoted)));

    const QString program = pieces.first();
    if (!program.contains(QLatin1Char('"'))) {
        const QString line = QLatin1Char('"') + program + QStringLiteral("\" x");
        FUZZ_CHECK(WindowsCommandLine::split(line) == (QStringList{program, QStringLiteral("x")}),
                   listed(WindowsCommandLine::split(line)));
    }
    return 0;
}
