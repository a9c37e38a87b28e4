#pragma once

#include <QString>

// Starts an outside program from a whole Windows-style command line (program
// name first) in a given host folder, waits until it ends, and reads no exit
// code. A program that cannot be started returns at once. No text of the
// command line is ever given to a shell.
class ProcessRunner
{
public:
    virtual ~ProcessRunner() = default;
    virtual void execCmd(const QString& commandLine, const QString& currentDirHost) = 0;
};
