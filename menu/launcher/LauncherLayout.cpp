#include "LauncherLayout.h"

namespace vurozud {

std::optional<LauncherCommand> CommandAt(PixelPoint point) {
    for (const CommandLine& line : kCommandLines)
        if (ToPixels(line.Box).Contains(point))
            return line.Command;
    return std::nullopt;
}

} // namespace vurozud
