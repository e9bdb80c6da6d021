#include "LauncherLayout.h"

namespace vurozud {

std::optional<LauncherCommand> CommandAt(PixelPoint point, DisplayScale scale) {
    for (const CommandLine& line : kCommandLines)
        if (ToPixels(line.Box, scale).Contains(point))
            return line.Command;
    return std::nullopt;
}

} // namespace vurozud
