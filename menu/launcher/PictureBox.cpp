#include "PictureBox.h"

#include "Dither.h"

#include <optional>
#include <span>

namespace vurozud {
namespace {

constexpr char kClassName[] = "VurozudPicture";

DIBSECTION SectionOf(HBITMAP picture) {
    DIBSECTION section;
    CheckWin32(GetObjectA(picture, sizeof section, &section), "GetObjectA");
    return section;
}

UniquePalette CreateDisplayPalette(const DisplayColours& colours) {
    struct {
        WORD Version = 0x300;
        WORD Count;
        PALETTEENTRY Entries[256];
    } palette;
    palette.Count = static_cast<WORD>(colours.Count());
    for (std::size_t entry = 0; entry < colours.Count(); ++entry) {
        const Rgb colour = colours[entry];
        palette.Entries[entry] = {colour.Red, colour.Green, colour.Blue, 0};
    }
    return UniquePalette(CheckWin32(CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette)), "CreatePalette"));
}

// Bits per pixel of the screen, whose display may keep them in several planes (the VGA's 16 colours: four of 1).
int ScreenColourDepth() {
    const HDC screen = CheckWin32(GetDC(nullptr), "GetDC");
    const int bitsPerPixel = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return bitsPerPixel;
}

} // namespace

PictureBox::PictureBox(HWND parent, HINSTANCE instance, PixelRect box, int bitmapId)
    : picture_(CheckWin32(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0,
                                                          LR_CREATEDIBSECTION)),
                          "LoadImageA")),
      section_(SectionOf(picture_.get())), palette_(CreateDisplayPalette(kPaletteDisplay)) {
    ShowInColoursOf(ScreenColourDepth());
    RegisterWindowClass(instance, kClassName);
    Create(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, ToRect(box), parent, instance);
}

LRESULT PictureBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // PaintContent covers the whole box
    case WM_LBUTTONDOWN:
        SetFocus(Handle());
        return 0;
    case WM_DISPLAYCHANGE:
        ShowInColoursOf(static_cast<int>(wParam));
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_QUERYNEWPALETTE: // the launcher is becoming the active window: its palette goes to the foreground
        if (!ShownInPalette())
            return FALSE;
        if (const HDC dc = GetDC(Handle())) {
            { PaletteSelection realised(dc, palette_.get()); } // and the previous palette back before the release
            ReleaseDC(Handle(), dc);
        }
        InvalidateRect(Handle(), nullptr, FALSE);
        return TRUE;
    case WM_PALETTECHANGED: // another window has realised its palette: the picture is drawn again in the background
        if (ShownInPalette() && reinterpret_cast<HWND>(wParam) != Handle())
            InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void PictureBox::ShowInColoursOf(int bitsPerPixel) {
    colours_ = ColoursOfDepth(bitsPerPixel);
    if (!colours_) {
        dithered_.clear();
        return;
    }
    const BITMAPINFOHEADER& picture = section_.dsBmih;
    const std::size_t size = DibRowBytes(picture.biWidth, 24) * static_cast<std::size_t>(picture.biHeight);
    dithered_ = Dither(std::span(static_cast<const std::uint8_t*>(section_.dsBm.bmBits), size), picture.biWidth,
                       picture.biHeight, *colours_);
    ditheredFormat_.Header = picture;
    ditheredFormat_.Header.biBitCount = 8;
    ditheredFormat_.Header.biSizeImage = 0;
    ditheredFormat_.Header.biClrUsed = static_cast<DWORD>(colours_->Count());
    for (std::size_t entry = 0; entry < colours_->Count(); ++entry) {
        if (ShownInPalette()) { // the palette's own entries, in its order: each paint selects it
            ditheredFormat_.PaletteEntries[entry] = static_cast<WORD>(entry);
        } else {
            const Rgb colour = (*colours_)[entry];
            ditheredFormat_.Colours[entry] = {colour.Blue, colour.Green, colour.Red, 0};
        }
    }
}

// The picture at its natural size in the top left corner; where the display's scale makes the box
// larger, the rest of it is the launcher's black.
void PictureBox::PaintContent(HDC dc) const {
    const LONG width = section_.dsBmih.biWidth, height = section_.dsBmih.biHeight;
    if (!colours_) {
        SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, section_.dsBm.bmBits,
                          reinterpret_cast<const BITMAPINFO*>(&section_.dsBmih), DIB_RGB_COLORS);
    } else {
        std::optional<PaletteSelection> realised;
        if (ShownInPalette())
            realised.emplace(dc, palette_.get());
        SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, dithered_.data(),
                          reinterpret_cast<const BITMAPINFO*>(&ditheredFormat_),
                          ShownInPalette() ? DIB_PAL_COLORS : DIB_RGB_COLORS);
    }
    RECT box;
    GetClientRect(Handle(), &box);
    const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const RECT right{width, 0, box.right, box.bottom};
    const RECT below{0, height, width, box.bottom};
    FillRect(dc, &right, black); // nothing to fill where a strip is empty
    FillRect(dc, &below, black);
}

} // namespace vurozud
