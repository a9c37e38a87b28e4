#pragma once

#include <QString>

// The outcome of a step that reads and writes the job's files (description
// numbering, information stamp). A failure is an unexpected failure of the
// run, which the run reports as "Ripping error, check your *.zvk file";
// `reason` says what went wrong, for whoever reads an unattended run's output.
struct StepResult {
    bool ok = true;
    QString reason;

    static StepResult success() { return {}; }
    static StepResult failure(const QString& reason) { return {false, reason}; }
};
