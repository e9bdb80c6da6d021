#pragma once
// The launcher window's fixed layout, in twips (client coordinates from the top left corner).
// Painting, the pointer shape and clicks all read this table, at the display's scale.

#include "Twips.h"

#include <optional>
#include <string_view>

namespace vurozud {

inline constexpr char kLauncherTitle[] = "       Vurozud Tree Desktop Menu";
inline constexpr TwipSize kLauncherClientSize{3675, 5535};
inline constexpr LayoutFont kCommandLineFont{"MS Sans Serif", 8.25, 700};

enum class LauncherCommand { Run, Close, Instructions, Support, Exit };

struct CommandLine {
    LauncherCommand Command;
    std::string_view Text;
    TwipRect Box;
};

struct Rule {
    int Left;
    int Right;
    int Y;
};

inline constexpr TwipRect kPicture1{480, 240, 2700, 2025};

// Creation order; seen from top to bottom the order is Run, Close, Instructions, Support, Exit.
inline constexpr CommandLine kCommandLines[] = {
    {LauncherCommand::Instructions, "Instructions and Controls", {240, 3720, 3045, 255}},
    {LauncherCommand::Support, "Help and Support", {480, 4320, 2655, 255}},
    {LauncherCommand::Exit, "Exit This Menu", {480, 4920, 2655, 255}},
    {LauncherCommand::Close, "Close Vurozud Tree Desktop", {480, 3120, 2655, 255}},
    {LauncherCommand::Run, "Run Vurozud Tree Desktop", {300, 2520, 3045, 255}},
};

// Line5, Line3, Line2, Line1, Line4 in creation order.
inline constexpr Rule kRules[] = {
    {480, 3120, 4080}, {480, 3120, 5280}, {480, 3120, 4680}, {480, 3120, 3480}, {480, 3120, 2880},
};

// The command whose line covers this client pixel at the display's scale, if any.
std::optional<LauncherCommand> CommandAt(PixelPoint point, DisplayScale scale);

} // namespace vurozud
