#pragma once
// The two windows' layouts as the user sees them, in twips (left, top, width, height in client coordinates):
// the one place the end-to-end tests and the headless run of scripts/run learn where a command is; and every text
// they draw, with how to tell it from the system's own drawing of it.

#include "WineSession.h"

namespace vurozud::test {

inline constexpr TwipRect kLauncherClient{0, 0, 3675, 5535}, kPicture{480, 240, 2700, 2025};
inline constexpr TwipRect kRun{300, 2520, 3045, 255}, kClose{480, 3120, 2655, 255},
                          kInstructions{240, 3720, 3045, 255}, kSupport{480, 4320, 2655, 255},
                          kExit{480, 4920, 2655, 255};
inline constexpr int kRuleRows[] = {2880, 3480, 4080, 4680, 5280}, kRuleLeft = 480, kRuleRight = 3120;
inline constexpr TwipRect kInstructionsClient{0, 0, 8550, 6360}, kInstructionsClose{3600, 5640, 1215, 375};

// How a text is drawn: its face, points and weight, its alignment ("left", "centre", or "button": one line centred
// both ways, as a push button draws its label) and colours (the instructions window's system colours 18 on 9, and
// its button's 18 on 15, as the standard scheme has them); and every text the two windows draw, in its box.
struct TextStyle {
    const char *Face, *Points;
    int Weight;
    const char* Alignment;
    Colour Ink, Paper;
};
inline constexpr Colour kGreen{0, 255, 0}, kBlack{0, 0, 0}, kWhite{255, 255, 255}, kButtonFace{192, 192, 192};
inline constexpr TextStyle kCommandLine{"MS Sans Serif", "8.25", 700, "centre", kGreen, kBlack},
                           kLabel{"Arial", "9.75", 400, "left", kBlack, kWhite},
                           kButton{"MS Sans Serif", "9.75", 400, "button", kBlack, kButtonFace};
struct DrawnText {
    TwipRect Box;
    const char* Text;
    TextStyle Style;
};
inline constexpr DrawnText kLauncherTexts[] = {
    {kRun, "Run Vurozud Tree Desktop", kCommandLine},         {kClose, "Close Vurozud Tree Desktop", kCommandLine},
    {kInstructions, "Instructions and Controls", kCommandLine}, {kSupport, "Help and Support", kCommandLine},
    {kExit, "Exit This Menu", kCommandLine}};
inline constexpr DrawnText kInstructionsTexts[] = {
    {{360, 480, 7575, 615}, "Use the control bar at the top of your Active Desktop to control Volume, Backgrounds, "
                            "Lighting and theOrnament Panel.", kLabel},
    {{360, 1200, 7815, 735}, "When you open the Ornament Panel, you can use the ornaments and lights by clicking on "
                             "them. They will appear in the middle of the Vurozud Tree where you can click and drag "
                             "them anywhere you want.", kLabel},
    {{360, 2160, 7575, 615}, "To keep Vurozud Tree Desktop from affecting your system resources, keep the total "
                             "number of blinking lights under eighty.", kLabel},
    {{360, 2880, 7815, 615}, "To delete an ornament or light, hold the \"Ctrl\" key down then click on the object "
                             "you wish to remove.", kLabel},
    {{360, 3600, 7815, 615}, "Toys and other objects can be moved around the room by clicking and dragging them "
                             "where you want.", kLabel},
    {{360, 4320, 7575, 615}, "Vurozud Tree Interactive Desktop runs best at a screen resolution of 1024 x 768 but "
                             "will run with other resolutions as well.", kLabel},
    {{360, 5040, 7215, 375}, "For further support or any questions you may have, contact us at: vurozud.com", kLabel},
    {kInstructionsClose, "Close", kButton}};

// A box at a display's dots per inch, converted the program's own way (its rounding is unit-tested).
inline Rect Pixels(const TwipRect& box, int dotsPerInch = 96) { return ToPixels(box, {dotsPerInch, dotsPerInch}); }

// How many pixels of a text on the screen differ from the same text drawn by the system in memory, in its font at
// this scale, in its box, with its alignment, in these colours. A button's label is compared inside its raised edge
// and focus rectangle, three pixels in.
inline int PixelsUnlikeTheSystemsDrawing(const Screenshot& shot, const Rect& client, const DrawnText& text,
                                         int dotsPerInch, Colour ink, Colour paper) {
    const Rect box = Pixels(text.Box, dotsPerInch);
    const TextStyle& style = text.Style;
    const std::string drawn =
        WineSession::Get().Ask({"text", style.Face, style.Points, std::to_string(style.Weight), style.Alignment,
                                std::to_string(box.Width()), std::to_string(box.Height()), text.Text})["pixels"];
    Require(drawn.size() == std::size_t(box.Width() * box.Height()),
            "the probe did not draw \"" + std::string(text.Text) + "\"");
    const int inset = std::string(style.Alignment) == "button" ? 3 : 0;
    int differ = 0;
    for (int y = inset; y < box.Height() - inset; ++y)
        for (int x = inset; x < box.Width() - inset; ++x)
            differ += !(shot.At(client.Left + box.Left + x, client.Top + box.Top + y) ==
                        (drawn[std::size_t(y * box.Width() + x)] == '#' ? ink : paper));
    return differ;
}
// The same, in the text's own colours.
inline int PixelsUnlikeTheSystemsDrawing(const Screenshot& shot, const Rect& client, const DrawnText& text,
                                         int dotsPerInch) {
    return PixelsUnlikeTheSystemsDrawing(shot, client, text, dotsPerInch, text.Style.Ink, text.Style.Paper);
}

} // namespace vurozud::test
