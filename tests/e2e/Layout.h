#pragma once
// The two windows' layouts as the user sees them, in twips (left, top, width, height in client coordinates),
// and in pixels at a display's dots per inch: every edge converted on its own, floor(twips x dpi / 1440).

#include "WineSession.h"

namespace vurozud::test {

struct Twips {
    int Left, Top, Width, Height;
};

inline constexpr Twips kLauncherClient{0, 0, 3675, 5535}, kPicture{480, 240, 2700, 2025};
inline constexpr Twips kRun{300, 2520, 3045, 255}, kClose{480, 3120, 2655, 255}, kInstructions{240, 3720, 3045, 255},
                       kSupport{480, 4320, 2655, 255}, kExit{480, 4920, 2655, 255};
inline constexpr int kRuleRows[] = {2880, 3480, 4080, 4680, 5280}, kRuleLeft = 480, kRuleRight = 3120;
inline constexpr Twips kInstructionsClient{0, 0, 8550, 6360}, kInstructionsClose{3600, 5640, 1215, 375};

inline int Pixels(int twips, int dotsPerInch = 96) { return twips * dotsPerInch / 1440; }

inline Rect Pixels(const Twips& t, int dotsPerInch = 96) {
    return {Pixels(t.Left, dotsPerInch), Pixels(t.Top, dotsPerInch), Pixels(t.Left + t.Width, dotsPerInch),
            Pixels(t.Top + t.Height, dotsPerInch)};
}

// A box given in a window's client pixels, on the screen.
inline Rect OnScreen(const Rect& client, const Rect& box) {
    return {client.Left + box.Left, client.Top + box.Top, client.Left + box.Right, client.Top + box.Bottom};
}

} // namespace vurozud::test
