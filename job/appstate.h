#pragma once

// How the process was started: with a plain script path or none, with "!"
// (run unattended) or with "$" (run unattended and date the zip names).
enum class LaunchMode { Interactive, AutoRun, AutoRunDated };

// Application state that is not part of a job.
struct AppState {
    LaunchMode launchMode = LaunchMode::Interactive;
    bool soundsEnabled = true;
    // --restart: an interrupted run of the job is deleted, never continued.
    bool restartInterrupted = false;
    // Options > "&Verify after packing" and "&Checksum files".
    bool verifyAfterPacking = true;
    bool checksumFiles = true;
    // How many ZIPs of a set the run's recovery files can rebuild; 0: none.
    int recoveryZips = 0;

    bool unattended() const { return launchMode != LaunchMode::Interactive; }
};
