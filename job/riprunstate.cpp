#include "job/riprunstate.h"

void RipRunState::clearAfterRun()
{
    dizPreviewMode = false;
    numberingChecked = false;
    currentVolume = 0;
    volumeCount = 0;
    sourceTextSaved = false;
    recoveryText.clear();
}
