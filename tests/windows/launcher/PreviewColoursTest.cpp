// The preview at every colour depth, painted through WM_PRINTCLIENT into a bitmap of that depth in the display's
// colours, as the launcher window is told the display's depth: dithered at 8 and at 4 bits per pixel, where it
// must still look like the picture, and the picture's own pixels above 8. The display's messages repaint it.

#include "BlockError.h"
#include "Check.h"
#include "MemoryCanvas.h"
#include "frmMain.h"

#include <string>
#include <vector>

namespace vurozud {
namespace {

// The picture box as a display of this depth shows it: at 4 bits in the VGA colours; at 8, in those and the
// program's palette, as a palette display has them with the palette realised.
std::vector<Rgb> Painted(HWND box, int bitsPerPixel) {
    std::vector<Rgb> table;
    if (bitsPerPixel <= 8)
        table.assign(kVgaColours.begin(), kVgaColours.end());
    for (std::size_t entry = 0; bitsPerPixel == 8 && entry < kPaletteDisplay.Count(); ++entry)
        table.push_back(kPaletteDisplay[entry]);
    const test::MemoryCanvas canvas(180, 135, bitsPerPixel, table);
    canvas.PaintFrom(box);
    return canvas.Pixels();
}

// The picture is the box at the test display's true colour, which the end-to-end tests hold to the picture file.
// Each bound is well below the nearest colours' 10.5 and 24.9. On a palette display, a change of depth, the
// launcher becoming the active window and another window realising its palette each repaint the picture; its
// own realisation does not, or the repainting would never stop.
TEST_CASE(ThePreviewIsShownInTheColoursOfTheDisplaysDepthAndRepaintedAtItsMessages) {
    frmMain launcher(GetModuleHandleA(nullptr));
    launcher.Show(SW_SHOWNORMAL);
    const HWND box = GetWindow(launcher.Handle(), GW_CHILD);
    const std::vector<Rgb> picture = Painted(box, 32);
    const auto repainted = [&](UINT message, WPARAM wParam) {
        ValidateRect(box, nullptr);
        SendMessageA(launcher.Handle(), message, wParam, 0);
        return GetUpdateRect(box, nullptr, FALSE) != FALSE;
    };
    for (const auto& [bitsPerPixel, bound] : {std::pair{8, 2.0}, {4, 6.0}, {24, 0.0}, {32, 0.0}}) {
        CHECK_IN(std::to_string(bitsPerPixel) + " bits", repainted(WM_DISPLAYCHANGE, bitsPerPixel));
        const std::vector<Rgb> shown = Painted(box, bitsPerPixel);
        const double error = test::BlockError(shown, picture, 180);
        CHECK_IN(std::to_string(bitsPerPixel) + " bits, " + std::to_string(error),
                 bound > 0 ? error <= bound : shown == picture);
    }
    repainted(WM_DISPLAYCHANGE, 8);
    CHECK(repainted(WM_QUERYNEWPALETTE, 0));
    CHECK(repainted(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(GetDesktopWindow())));
    CHECK(!repainted(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(box)));
    DestroyWindow(launcher.Handle());
}

} // namespace
} // namespace vurozud
