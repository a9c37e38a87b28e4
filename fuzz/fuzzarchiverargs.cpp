// The arguments wrar and wace are started with, one per line of the input
// (UTF-8), parsed for both programs. Besides not crashing:
// - what parses asks for help or the version only when an argument is
//   --help, -h or --version; otherwise it asks for "a" or "t", names an
//   archive, a level of 0 to 5 and a volume size below the sanity bound, and
//   "t" has no switches;
// - a parsed volume size, written back as the run writes it (bytes for RAR,
//   thousands for ACE), parses to the same size;
// - what does not parse says why.
#include "fuzzinput.h"

#include "commandline.h"

namespace {

void check(ArchiverKind kind, const QStringList& args)
{
    QString error;
    const auto options = CommandLine::parse(kind, args, &error);
    if (!options) {
        FUZZ_CHECK(!error.isEmpty(), args.join(QLatin1Char('|')));
        return;
    }
    const bool asksForHelp = args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))
        || args.contains(QStringLiteral("--version"));
    const bool answers = options->command == ArchiverCommand::Help || options->command == ArchiverCommand::Version;
    FUZZ_CHECK(answers == asksForHelp, args.join(QLatin1Char('|')));
    if (answers)
        return;
    FUZZ_CHECK(!options->archive.isEmpty(), args.join(QLatin1Char('|')));
    if (options->command == ArchiverCommand::Test) {
        FUZZ_CHECK(options->volumeSize == 0 && options->listFiles.isEmpty() && options->skipEntries.isEmpty(),
                   args.join(QLatin1Char('|')));
    }
    FUZZ_CHECK(options->level >= 0 && options->level <= 5, args.join(QLatin1Char('|')));
    FUZZ_CHECK(options->volumeSize <= (uint64_t(1) << 42), args.join(QLatin1Char('|')));
    for (const QString& file : options->skipListFiles + options->listFiles)
        FUZZ_CHECK(!file.isEmpty(), args.join(QLatin1Char('|')));

    if (options->volumeSize == 0 || (kind == ArchiverKind::Ace && options->volumeSize % 1000 != 0))
        return;
    const QString sw = kind == ArchiverKind::Rar ? QStringLiteral("-v%1b").arg(options->volumeSize)
                                                 : QStringLiteral("-v%1").arg(options->volumeSize / 1000);
    const auto again = CommandLine::parse(kind, {QStringLiteral("a"), sw, QStringLiteral("x")}, &error);
    FUZZ_CHECK(again && again->volumeSize == options->volumeSize, sw + QStringLiteral(": ") + error);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput input(data, size);
    const QStringList args = QString::fromUtf8(input.all()).split(QLatin1Char('\n'));
    check(ArchiverKind::Rar, args);
    check(ArchiverKind::Ace, args);
    return 0;
}
