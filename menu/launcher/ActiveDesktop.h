#pragma once
// The shell's Active Desktop: putting a page up as the desktop wallpaper, or taking it down.

#include <cstdint>
#include <string_view>

namespace vurozud {

// Puts the file at path up as the Active Desktop wallpaper with the given style (0 centred, 1 tiled,
// 2 stretched), or takes the wallpaper down when path is empty, and applies the change. A fresh
// shell object is made and released for each call. The first failing step ends the program with the
// step's name and result code; the steps after it do not run.
void ApplyActiveDesktopWallpaper(std::u16string_view path, std::int32_t style);

} // namespace vurozud
