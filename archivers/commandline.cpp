#include "commandline.h"

namespace {

// Beyond this a volume size is a typing error, not a wish.
constexpr uint64_t MaxVolumeSize = uint64_t(1) << 42;

bool parseDigits(const QString& digits, uint64_t* value)
{
    if (digits.isEmpty() || digits.size() > 15)
        return false;
    uint64_t v = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + uint64_t(c.unicode() - u'0');
    }
    *value = v;
    return true;
}

} // namespace

bool CommandLine::parseVolumeSize(ArchiverKind kind, const QString& value, uint64_t* bytes)
{
    QString digits = value;
    uint64_t unit = 1000; // both archivers count in thousands of bytes by default
    if (kind == ArchiverKind::Rar) {
        const QChar last = digits.isEmpty() ? QChar() : digits.back().toLower();
        if (last == u'b') {
            unit = 1;
            digits.chop(1);
        } else if (last == u'k') {
            unit = 1024;
            digits.chop(1);
        }
    }
    uint64_t n = 0;
    if (!parseDigits(digits, &n) || n > MaxVolumeSize / unit)
        return false;
    *bytes = n * unit;
    return true;
}

std::optional<ArchiverOptions> CommandLine::parse(ArchiverKind kind, const QStringList& args,
                                                  QString* error)
{
    ArchiverOptions o;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h") || arg == QLatin1String("--version")) {
            o.command = arg == QLatin1String("--version") ? ArchiverCommand::Version : ArchiverCommand::Help;
            return o;
        }
    }
    bool sawCommand = false;
    for (const QString& arg : args) {
        if (arg.isEmpty())
            continue; // a doubled blank in the caller's command line
        if (!sawCommand) {
            if (arg.compare(QLatin1String("t"), Qt::CaseInsensitive) == 0) {
                o.command = ArchiverCommand::Test;
            } else if (arg.compare(QLatin1String("a"), Qt::CaseInsensitive) != 0) {
                *error = QStringLiteral("unknown command \"%1\": the commands are \"a\" (add to archive) "
                                        "and \"t\" (test archive)").arg(arg);
                return std::nullopt;
            }
            sawCommand = true;
            continue;
        }
        if (o.command == ArchiverCommand::Test && (arg.startsWith(u'-') || arg.startsWith(u'@')) && arg.size() > 1) {
            *error = QStringLiteral("%1: the test command takes the archive name alone").arg(arg);
            return std::nullopt;
        }
        if (arg.startsWith(u'-') && arg.size() > 1) {
            const QString sw = arg.mid(1);
            const QString lower = sw.toLower();
            if (lower == QLatin1String("r")) {
                o.recurse = true;
            } else if (lower == QLatin1String("y")) {
                o.assumeYes = true;
            } else if (lower == QLatin1String("ep")) {
                o.namesOnly = true;
            } else if (lower.startsWith(u'v')) {
                if (!parseVolumeSize(kind, sw.mid(1), &o.volumeSize)) {
                    *error = QStringLiteral("bad volume size in %1").arg(arg);
                    return std::nullopt;
                }
            } else if (lower.size() == 2 && lower[0] == u'm' && lower[1] >= u'0' && lower[1] <= u'5') {
                o.level = lower[1].unicode() - u'0';
            } else if (lower.startsWith(QLatin1String("x@")) && sw.size() > 2) {
                o.skipListFiles.append(sw.mid(2));
            } else if (lower.startsWith(u'x') && sw.size() > 1) {
                o.skipEntries.append(sw.mid(1));
            } else {
                *error = QStringLiteral("unknown switch %1").arg(arg);
                return std::nullopt;
            }
            continue;
        }
        if (arg.startsWith(u'@') && arg.size() > 1) {
            o.listFiles.append(arg.mid(1));
            continue;
        }
        if (!o.archive.isEmpty()) {
            *error = o.command == ArchiverCommand::Test
                ? QStringLiteral("unexpected argument %1: the test command takes one archive").arg(arg)
                : QStringLiteral("unexpected argument %1: name files in a list file (@file)").arg(arg);
            return std::nullopt;
        }
        o.archive = arg;
    }
    if (!sawCommand) {
        *error = QStringLiteral("no command given");
        return std::nullopt;
    }
    if (o.archive.isEmpty()) {
        *error = QStringLiteral("no archive name given");
        return std::nullopt;
    }
    return o;
}
