#pragma once
// Rough colour classes, for checking what a picture shows without pinning its exact pixels.

#include "ImageFileReader.h"

namespace vurozud::test {

inline int Brightness(Rgb c) { return (c.Red * 299 + c.Green * 587 + c.Blue * 114) / 1000; }
inline bool IsBlack(Rgb c) { return c.Red == 0 && c.Green == 0 && c.Blue == 0; }
inline bool IsWhite(Rgb c) { return c.Red == 255 && c.Green == 255 && c.Blue == 255; }
inline bool IsGreen(Rgb c) { return c.Green > c.Red + 30 && c.Green > c.Blue + 30; }
inline bool IsYellow(Rgb c) { return c.Red > 180 && c.Green > 150 && c.Blue < 120; }
inline bool IsBrown(Rgb c) { return c.Red > c.Green && c.Green > c.Blue && c.Red < 200 && c.Red > 50; }

} // namespace vurozud::test
