#include "EndProgram.h"

#include <windows.h>

namespace vurozud {

void EndProgram() { ExitProcess(0); }

} // namespace vurozud
