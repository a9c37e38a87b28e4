#pragma once

#include "setcheck/volumesettester.h"

#include <memory>

namespace volumetesters {

// The tester of RAR and ACE volume sets the program uses; null while there
// is none, and the volumes are then not tested.
std::unique_ptr<VolumeSetTester> make();

} // namespace volumetesters
