#pragma once

namespace vurozud {

// Ends the process at once, with success: no further handler of any window runs, whatever windows
// exist, are shown or are hidden.
[[noreturn]] void EndProgram();

} // namespace vurozud
