#pragma once
// The launcher's preview picture: a borderless child window that shows a 24-bit picture at its natural size.
// It is the only control of the launcher that takes the keyboard focus. The picture keeps its 24 bits; the
// display's colour depth decides how it is shown: as it is above 8 bits per pixel; on a palette display of 256
// colours, dithered onto the program's palette, which each paint selects and realises; at 16 colours or fewer,
// dithered onto the VGA colours. The launcher window hands on the display's messages: a change of depth chooses
// again, and the palette messages repaint. What painting needs is made with the window or at a change of
// depth: a paint makes nothing, and one the system refuses only leaves the box unpainted until the next.

#include "DisplayColours.h"

#include "Twips.h"
#include "UniqueHandle.h"
#include "Window.h"

#include <cstdint>
#include <vector>

namespace vurozud {

class PictureBox : public Window<PictureBox> {
public:
    PictureBox(HWND parent, HINSTANCE instance, PixelRect box, int bitmapId);

    // Besides the box's own messages, WM_DISPLAYCHANGE, WM_QUERYNEWPALETTE and WM_PALETTECHANGED as the
    // launcher window receives them.
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class Window<PictureBox>;

    // The header of an 8-bit device-independent bitmap and its table: colours, or entries of the palette
    // selected into the device context it is drawn on.
    struct IndexedFormat {
        BITMAPINFOHEADER Header;
        union {
            RGBQUAD Colours[256];
            WORD PaletteEntries[256];
        };
    };

    void ShowInColoursOf(int bitsPerPixel);
    bool ShownInPalette() const { return colours_ == &kPaletteDisplay; }
    void PaintContent(HDC dc) const;

    UniqueBitmap picture_;
    DIBSECTION section_; // the picture's size, format and pixels
    UniquePalette palette_; // the colours of kPaletteDisplay
    const DisplayColours* colours_ = nullptr; // those the picture is dithered onto; none while it is shown as it is
    std::vector<std::uint8_t> dithered_; // its pixels as entries of colours_
    IndexedFormat ditheredFormat_{};
};

} // namespace vurozud
