#pragma once

#include <QString>
#include <QStringList>

// How an outside program ended: never started (no such program, or the
// system refused to start it), exited with a status, or was ended by a
// signal. The run reads it to tell a finished archiver from one that failed
// or was killed part-way; a caller that waits for a child in its own way
// (while showing its output, say) fills the same record.
struct ProcessEnd {
    enum class Kind { NotStarted, Exited, Signalled };

    Kind kind = Kind::NotStarted;
    int exitCode = 0; // when Exited
    int signal = 0;   // when Signalled
    // The program as the command line named it ("wrar.exe").
    QString program;
    // When NotStarted: why, in words a user can act on.
    QString reason;
    // The user ended it (the archiver window's Cancel).
    bool cancelled = false;
    // The last lines it printed, when a window caught its output (none when
    // it wrote to this program's own terminal): what a failure is explained by.
    QStringList lastLines;

    static ProcessEnd notStarted(const QString& program, const QString& reason);
    static ProcessEnd exited(const QString& program, int exitCode);
    static ProcessEnd signalled(const QString& program, int signal);

    bool started() const { return kind != Kind::NotStarted; }
    // Exited with status 0.
    bool succeeded() const { return kind == Kind::Exited && exitCode == 0; }

    // The program as the user knows it: the command's word without the folder
    // and the ".exe" or ".pif" it was called by on Windows ("wrar").
    QString shownName() const { return shownName(program); }
    static QString shownName(const QString& program);

    // What happened, to follow the program's name: "ended with exit status
    // 1", "was ended by signal 9 (Killed)", "could not be started: ...",
    // "was cancelled".
    QString describe() const;
};
