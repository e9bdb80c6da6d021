#include "ComInitialization.h"

#include "Win32Error.h"

#include <objbase.h>

namespace vurozud {

ComInitialization::ComInitialization() {
    // CoInitialize, not CoInitializeEx: every system's ole32 has it, and it gives the single-threaded
    // apartment the shell's objects expect. S_FALSE (already initialised here) also needs undoing.
    CheckHresult(CoInitialize(nullptr), "CoInitialize");
}

ComInitialization::~ComInitialization() { CoUninitialize(); }

} // namespace vurozud
