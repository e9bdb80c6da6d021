#include "Window.h"

#include <string>

namespace vurozud {

DisplayScale ScreenDisplayScale() {
    const HDC screen = CheckWin32(GetDC(nullptr), "GetDC");
    const DisplayScale scale{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return scale;
}

UniqueFont CreateLayoutFont(const LayoutFont& font, DisplayScale scale) {
    const std::string face(font.Face);
    // A negative height asks for the character height, which is what a size in points measures.
    return UniqueFont(CheckWin32(CreateFontA(-PointsToPixels(font.Points, scale.DotsPerInchY), 0, 0, 0, font.Weight, FALSE,
                                             FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()),
                                 "CreateFontA"));
}

RECT CentredFrame(PixelSize client, DWORD style, DWORD exStyle) {
    RECT frame{0, 0, client.Width, client.Height};
    CheckWin32(AdjustWindowRectEx(&frame, style, FALSE, exStyle), "AdjustWindowRectEx");
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return {left, top, left + width, top + height};
}

} // namespace vurozud
