#include "archiverhelp.h"

#ifndef ZAVOK32_VERSION
#define ZAVOK32_VERSION "unknown"
#endif

QString ArchiverHelp::program(ArchiverKind kind)
{
    return kind == ArchiverKind::Rar ? QStringLiteral("wrar") : QStringLiteral("wace");
}

QString ArchiverHelp::usage(ArchiverKind kind)
{
    const QString size = kind == ArchiverKind::Rar ? QStringLiteral("-v<size>[k|b]") : QStringLiteral("-v<size>");
    return QStringLiteral("usage: %1 a [-r] [-y] [-ep] [%2] [-m<0..5>] [-x<entry>]...\n"
                          "              [-x@<skip file>]... <archive> [@<list file>]...\n"
                          "       %1 t <archive>\n"
                          "       %1 --help | -h | --version")
        .arg(program(kind), size);
}

QString ArchiverHelp::help(ArchiverKind kind)
{
    const bool rar = kind == ArchiverKind::Rar;
    const QString what = rar ? QStringLiteral("Writes a multi-volume RAR archive set, every file stored, and tests one.")
                             : QStringLiteral("Writes a multi-volume ACE archive set, files stored or packed with\n"
                                              "ACE 1.0's LZ77 method, and tests one.");
    const QString volumes = rar ? QStringLiteral("  -v<size>          volumes of <size> thousand bytes; -v<size>k counts in\n"
                                                 "                    1,024 bytes, -v<size>b in bytes\n")
                                : QStringLiteral("  -v<size>          volumes of at most <size> thousand bytes\n");
    const QString levels = rar ? QStringLiteral("  -m<0..5>          the compression level: accepted, files are stored\n")
                               : QStringLiteral("  -m<0..5>          -m0 stores every file; -m1 (fastest) to -m5 (best) pack\n"
                                                "                    with LZ77 where that makes a file smaller\n");
    return usage(kind) + QStringLiteral("\n\n") + what
        + QStringLiteral("\n\nCommands:\n"
                         "  a                 add the files of the current folder, or those of the list\n"
                         "                    files, to a new archive\n"
                         "  t                 test an archive set: follow it through every volume and\n"
                         "                    check every header and every file against its CRC\n"
                         "\nSwitches of a:\n"
                         "  -r                store the sub-folders too\n"
                         "  -y                write over an existing archive\n"
                         "  -ep               store the files of a list file by their names alone\n")
        + volumes + levels
        + QStringLiteral("  -x<entry>         leave out a file, or a folder as folder\\*.*\n"
                         "  -x@<skip file>    leave out the entries listed in a file\n"
                         "  @<list file>      store the files listed in a file\n"
                         "\nOptions:\n"
                         "  -h, --help        show this help\n"
                         "  --version         show the version\n"
                         "\nExit status: 0 done (t: the set is sound); 1 t: sound, but not every file\n"
                         "could be tested; 2 failed, or the archive cannot be found or read; 3 t: the\n"
                         "set is damaged, cut short or incomplete; 7 the command line is wrong.\n"
                         "Paths may be drive-letter paths (c:\\Zavok001\\game) of Zavok32's drive map.\n"
                         "See the manual page %1(1).\n")
              .arg(program(kind));
}

QString ArchiverHelp::version(ArchiverKind kind)
{
    return QStringLiteral("%1 (Zavok32) %2").arg(program(kind), QStringLiteral(ZAVOK32_VERSION));
}
