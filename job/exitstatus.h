#pragma once

// How the program ends, for whoever started it: a script, a scheduler, a
// person at a terminal. The README and the help list the same values.
namespace exitstatus {

// The job ran and every ZIP (or, for archives only, the set) was made; or
// the window was closed.
constexpr int Done = 0;
// The program was installed in a drive root and refuses to run there.
constexpr int DriveRoot = 1;
// The job did not run: the script could not be read, the job did not pass
// its check, the run refused it, or a window would have waited for a user
// when there is no display.
constexpr int NotRun = 2;
// The run started and did not finish: the archiver failed or was killed, a
// ZIP could not be written, the run was stopped, or something failed on the
// way. What was made so far stays where the reason says.
constexpr int Stopped = 3;
// Another copy of the program runs for the same application directory.
constexpr int AnotherCopy = 4;
// Another run is writing the same set (ZIP folder and base name).
constexpr int SetInUse = 5;
// Stopped by SIGINT, SIGTERM or SIGHUP: 128 and the signal's number (130,
// 143, 129), as a shell reports a program that the signal ended.
constexpr int signalled(int signal)
{
    return 128 + signal;
}

} // namespace exitstatus
