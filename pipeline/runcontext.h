#pragma once

#include "pipeline/runsteps.h"

class RipJob;
class ReportPresenter;
class ViewState;
class VolumeSetTester;
class ZipReader;
struct AppState;
struct RipRunState;
struct Services;

// Everything a run reads and writes: the job, the run state, the launch
// mode, the window's texts, the platform services and the pieces it calls.
struct RunContext {
    RipJob& job;
    RipRunState& state;
    AppState& app;
    ViewState& view;
    Services& services;
    RunSteps steps;
    ReportPresenter* presenter = nullptr;
    // What proves the set after packaging: a reader of the ZIPs written, and
    // a tester of the volume set (none: the volumes are not tested).
    ZipReader* zipReader = nullptr;
    VolumeSetTester* volumeTester = nullptr;
};
