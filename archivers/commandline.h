#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

enum class ArchiverKind { Rar, Ace };

// a: add to an archive; t: test an archive set; and the usual answers.
enum class ArchiverCommand { Add, Test, Help, Version };

// What one archiver call asks for. Paths are kept as given (DOS or host form);
// resolving them is the caller's business.
struct ArchiverOptions {
    ArchiverCommand command = ArchiverCommand::Add;
    bool recurse = false;
    bool assumeYes = false;
    bool namesOnly = false;      // -ep
    uint64_t volumeSize = 0;     // bytes; 0 = one archive, no volumes
    int level = 0;               // -m0 .. -m5 as asked
    QStringList skipListFiles;   // -x@file
    QStringList skipEntries;     // -x<entry>
    QStringList listFiles;       // @file
    QString archive;
};

// Parses the arguments after the program name, as a Windows command line
// splits them: "a", switches, the archive path and list files; or "t" and
// the archive path. --help (or -h) and --version anywhere ask for nothing
// else.
class CommandLine {
public:
    static std::optional<ArchiverOptions> parse(ArchiverKind kind, const QStringList& args,
                                                QString* error);

private:
    static bool parseVolumeSize(ArchiverKind kind, const QString& value, uint64_t* bytes);
};
