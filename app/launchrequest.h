#pragma once

#include <QString>
#include <functional>
#include <optional>

// What the command line asks of this start, worked out before the toolkit
// starts: an answer printed at once (help, version, a usage error), or a
// launch with a script argument and the options that shape it.
struct LaunchRequest {
    enum class Answer {
        None,       // go on: open the window or run the script
        Help,       // print the help on standard output, status 0
        Version,    // print the version on standard output, status 0
        UsageError, // print `error` and the usage on standard error, status 2
    };
    Answer answer = Answer::None;
    QString error;

    // The script argument as the load sequence reads it: every word that is
    // not an option, joined by single blanks, "!" or "$" in front kept. A
    // path written the Windows way without quotes so comes back whole.
    QString tail;
    // Nothing on standard output; errors still go to standard error.
    bool quiet = false;
    // An interrupted run of the job is deleted and the run starts afresh.
    bool restart = false;
    // --recovery=N: recovery files for this run, over the remembered setting.
    std::optional<int> recoveryZips;

    // An option that does its own work instead of opening a job sets this;
    // the program runs it before it looks for a display and ends with the
    // status it returns.
    std::function<int()> instead;
};
