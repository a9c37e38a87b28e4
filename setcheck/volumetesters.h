#pragma once

#include "setcheck/volumesettester.h"

#include <memory>

namespace volumetesters {

// The tester of RAR and ACE volume sets the program uses.
std::unique_ptr<VolumeSetTester> make();

} // namespace volumetesters
