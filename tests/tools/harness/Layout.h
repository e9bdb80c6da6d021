#pragma once
// The two windows' layouts as the user sees them, in twips (left, top, width, height in client coordinates):
// the one place the end-to-end tests and the headless run of scripts/run learn where a command is.

#include "WineSession.h"

namespace vurozud::test {

inline constexpr TwipRect kLauncherClient{0, 0, 3675, 5535}, kPicture{480, 240, 2700, 2025};
inline constexpr TwipRect kRun{300, 2520, 3045, 255}, kClose{480, 3120, 2655, 255},
                          kInstructions{240, 3720, 3045, 255}, kSupport{480, 4320, 2655, 255},
                          kExit{480, 4920, 2655, 255};
inline constexpr int kRuleRows[] = {2880, 3480, 4080, 4680, 5280}, kRuleLeft = 480, kRuleRight = 3120;
inline constexpr TwipRect kInstructionsClient{0, 0, 8550, 6360}, kInstructionsClose{3600, 5640, 1215, 375};
inline constexpr TwipRect kInstructionsLabels[] = {{360, 480, 7575, 615},  {360, 1200, 7815, 735},
                                                   {360, 2160, 7575, 615}, {360, 2880, 7815, 615},
                                                   {360, 3600, 7815, 615}, {360, 4320, 7575, 615},
                                                   {360, 5040, 7215, 375}}; // top to bottom

// A box at a display's dots per inch, converted the program's own way (its rounding is unit-tested).
inline Rect Pixels(const TwipRect& box, int dotsPerInch = 96) { return ToPixels(box, {dotsPerInch, dotsPerInch}); }

} // namespace vurozud::test
