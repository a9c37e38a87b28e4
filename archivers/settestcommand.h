#pragma once

#include "commandline.h"

#include <QString>
#include <QTextStream>

// The t command of wrar and wace: the set tested from its first volume, a
// line for every volume begun and every file read, a summary on standard
// output, the faults on standard error, and an exit status that tells a
// sound set from one that is not.
class SetTestCommand {
public:
    static constexpr int ExitSound = 0;
    static constexpr int ExitUntested = 1;    // sound as far as it could be tested
    static constexpr int ExitCannotOpen = 2;  // the archive named cannot be found or read
    static constexpr int ExitDamaged = 3;     // damaged, cut short or incomplete

    SetTestCommand(ArchiverKind kind, QTextStream& out, QTextStream& err);

    // firstVolume is the host path; shown is the archive as the user named it.
    int run(const QString& firstVolume, const QString& shown);

private:
    ArchiverKind m_kind;
    QTextStream& m_out;
    QTextStream& m_err;
};
