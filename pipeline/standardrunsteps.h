#pragma once

#include "pipeline/runsteps.h"

class DescriptionPreview;
class RipJob;
class ViewState;
struct AppState;
struct RipRunState;
struct Services;

// The run's pieces as the program uses them: the job check, the numbering
// test and the numbered description, the stamped information file, the
// archiver step and the volume and ZIP names. Every reference must outlive
// the steps. `preview` may be null (no preview outside the Diz page's Test).
RunSteps standardRunSteps(RipJob& job, RipRunState& state, AppState& app, ViewState& view, Services& services,
                          DescriptionPreview* preview = nullptr);
