#pragma once

#include "archiveformat.h"
#include "commandline.h"
#include "entrysource.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <memory>
#include <optional>

// One run of wrar or wace: reads the command line, finds the source and the
// archive through the drive map, writes the volumes and reports on the way;
// or tests a set (SetTestCommand), or answers --help and --version.
class ArchiverApp {
public:
    ArchiverApp(ArchiverKind kind, QTextStream& out, QTextStream& err);
    ~ArchiverApp();

    // Returns the process exit code.
    int run(const QStringList& args);

    // The statuses of RAR's own programs, as far as they apply; the test
    // command adds its own (SetTestCommand).
    static constexpr int ExitOk = 0;
    static constexpr int ExitFailed = 2;
    static constexpr int ExitUsage = 7;

private:
    int fail(const QString& text, int code = ExitFailed);
    std::optional<QString> existingHostPath(const QString& path) const;
    std::optional<QString> newHostPath(const QString& path) const;
    bool readSkipList(const ArchiverOptions& o, QStringList* lines);
    std::unique_ptr<EntrySource> makeSource(const ArchiverOptions& o, const QString& firstVolume,
                                            const QStringList& skipLines);
    void removeStaleVolumes(const QString& firstVolume, int from) const;

    ArchiverKind m_kind;
    QString m_program;
    std::unique_ptr<ArchiveFormat> m_format;
    QTextStream& m_out;
    QTextStream& m_err;
    QString m_sourceError;
};
