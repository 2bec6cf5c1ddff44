// Platform
#include "platform/posix/MemoryRegistry.h"

namespace platform {

// Native builds have no registry: the program's store lives in memory for the run.
Registry& SystemRegistry()
{
    static MemoryRegistry registry;
    return registry;
}

}  // namespace platform
