// The preview at every colour depth, painted through WM_PRINTCLIENT into a bitmap of that depth in the display's
// colours, as the launcher window is told the display's depth: dithered at 8 and at 4 bits per pixel, where it
// must still look like the picture, and the picture's own pixels above 8. The display's messages repaint it.

#include "BlockError.h"
#include "Check.h"
#include "frmMain.h"
#include "resource.h"

#include <span>
#include <string>
#include <vector>

namespace vurozud {
namespace {

constexpr int kWidth = 180, kHeight = 135;

// The twenty colours a palette display reserves; the first sixteen are those of a display of 16 colours.
constexpr Rgb kSystemColours[] = {
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},     {128, 0, 128},
    {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},     {255, 255, 0},
    {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}, {192, 220, 192}, {166, 202, 240},
    {255, 251, 240}, {160, 160, 164}};

// What a display of this depth shows: at 8 bits, with the program's palette realised, the cube beside the
// reserved colours; at 4, the sixteen; above 8, every colour.
std::vector<Rgb> DisplayColoursOf(int bitsPerPixel) {
    if (bitsPerPixel > 8)
        return {};
    if (bitsPerPixel == 4)
        return {kSystemColours, kSystemColours + 16};
    std::vector<Rgb> colours(std::begin(kSystemColours), std::end(kSystemColours));
    for (int level = 0; level < 6 * 6 * 6; ++level)
        colours.push_back({std::uint8_t(level / 36 * 51), std::uint8_t(level / 6 % 6 * 51), std::uint8_t(level % 6 * 51)});
    return colours;
}

// The pixels of the bitmap selected into the device context, top row first.
std::vector<Rgb> PixelsOf(HDC dc) {
    std::vector<Rgb> pixels;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const COLORREF colour = GetPixel(dc, x, y);
            pixels.push_back({GetRValue(colour), GetGValue(colour), GetBValue(colour)});
        }
    return pixels;
}

// The picture box painted into a bitmap of this depth whose table, at 8 bits or fewer, holds the display's colours.
std::vector<Rgb> Painted(HWND picture, int bitsPerPixel) {
    struct {
        BITMAPINFOHEADER Header;
        RGBQUAD Colours[256];
    } format{};
    const std::vector<Rgb> table = DisplayColoursOf(bitsPerPixel);
    format.Header = {sizeof format.Header, kWidth, kHeight, 1, static_cast<WORD>(bitsPerPixel), BI_RGB, 0, 0, 0,
                     static_cast<DWORD>(table.size()), 0};
    for (std::size_t i = 0; i < table.size(); ++i)
        format.Colours[i] = {table[i].Blue, table[i].Green, table[i].Red, 0};
    void* bits = nullptr;
    const UniqueBitmap canvas(
        CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&format), DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
    SelectGuard select(memory.get(), canvas.get());
    SendMessageA(picture, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
    return PixelsOf(memory.get());
}

// The display's depth as the launcher window is told it when it changes.
void TellDepth(HWND launcher, int bitsPerPixel) {
    SendMessageA(launcher, WM_DISPLAYCHANGE, static_cast<WPARAM>(bitsPerPixel), MAKELPARAM(1024, 768));
}

TEST_CASE(ThePreviewIsShownInTheColoursOfTheDisplaysDepth) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const UniqueBitmap loaded(static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDB_PREVIEW), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
    const SelectGuard select(memory.get(), loaded.get());
    const std::vector<Rgb> picture = PixelsOf(memory.get());
    frmMain launcher(instance);
    const HWND box = GetWindow(launcher.Handle(), GW_CHILD);
    // Each bound is well below the nearest colours' 10.5 and 24.9.
    for (const auto& [bitsPerPixel, bound] : {std::pair{8, 2.0}, {4, 6.0}}) {
        TellDepth(launcher.Handle(), bitsPerPixel);
        const double error = test::BlockError(Painted(box, bitsPerPixel), picture, kWidth);
        CHECK_IN(std::to_string(bitsPerPixel) + " bits, " + std::to_string(error), error <= bound);
    }
    for (const int bitsPerPixel : {24, 32}) {
        TellDepth(launcher.Handle(), bitsPerPixel);
        CHECK_IN(std::to_string(bitsPerPixel) + " bits", Painted(box, bitsPerPixel) == picture);
    }
    DestroyWindow(launcher.Handle());
}

// A change of depth, the launcher becoming the active window and another window realising its palette each
// repaint the picture on a palette display; the picture's own realisation does not, or it would never stop.
TEST_CASE(TheDisplaysMessagesRepaintThePreview) {
    frmMain launcher(GetModuleHandleA(nullptr));
    launcher.Show(SW_SHOWNORMAL);
    const HWND box = GetWindow(launcher.Handle(), GW_CHILD);
    TellDepth(launcher.Handle(), 8);
    const auto repainted = [&](UINT message, HWND from) {
        ValidateRect(box, nullptr);
        SendMessageA(launcher.Handle(), message, message == WM_DISPLAYCHANGE ? 8 : reinterpret_cast<WPARAM>(from), 0);
        return GetUpdateRect(box, nullptr, FALSE) != FALSE;
    };
    CHECK(repainted(WM_DISPLAYCHANGE, nullptr));
    CHECK(repainted(WM_QUERYNEWPALETTE, nullptr));
    CHECK(repainted(WM_PALETTECHANGED, GetDesktopWindow()));
    CHECK(!repainted(WM_PALETTECHANGED, box));
    DestroyWindow(launcher.Handle());
}

} // namespace
} // namespace vurozud
