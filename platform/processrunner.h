#pragma once

#include "platform/processend.h"

#include <QString>
#include <functional>

// Starts an outside program from a whole Windows-style command line (program
// name first) in a given host folder, waits until it ends, and says how it
// ended. A program that cannot be started returns at once, as NotStarted. No
// text of the command line is ever given to a shell.
class ProcessRunner
{
public:
    virtual ~ProcessRunner() = default;
    virtual ProcessEnd execCmd(const QString& commandLine, const QString& currentDirHost) = 0;

    // While execCmd waits: each new percentage the program prints ("  45%"),
    // for the progress of a whole run. Only a runner that reads the
    // program's output reports any.
    std::function<void(int percent)> onPercent;
};
