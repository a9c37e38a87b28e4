#include "setcheck/volumetesters.h"

#include "setcheck/archivesettester.h"

namespace volumetesters {

std::unique_ptr<VolumeSetTester> make()
{
    return std::make_unique<ArchiveSetTester>();
}

} // namespace volumetesters
