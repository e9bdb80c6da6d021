#pragma once
// The registry functions of the running system, for the registry class.

#include "RegistryFunctions.h"

namespace vurozud {

// The process-wide binding to advapi32's ANSI registry functions, whose names are converted to the
// system's ANSI code page. It holds no state, so one object serves every caller.
RegistryFunctions& SystemRegistry();

} // namespace vurozud
