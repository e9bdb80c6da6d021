#pragma once
// A device-independent bitmap in memory, selected into a device context of its own, for a window to paint into
// through WM_PRINTCLIENT as it paints on a display of that depth: any depth, with a colour table at 8 bits per
// pixel or fewer. Its pixels are read back as the system reads them.

#include "DisplayColours.h"
#include "UniqueHandle.h"

#include <windows.h>

#include <vector>

namespace vurozud::test {

class MemoryCanvas {
public:
    MemoryCanvas(int width, int height, int bitsPerPixel, const std::vector<Rgb>& table = {})
        : width_(width), height_(height) {
        struct {
            BITMAPINFOHEADER Header;
            RGBQUAD Colours[256];
        } format{};
        format.Header = {sizeof format.Header, width, height, 1, static_cast<WORD>(bitsPerPixel), BI_RGB, 0, 0, 0,
                         static_cast<DWORD>(table.size()), 0};
        for (std::size_t i = 0; i < table.size(); ++i)
            format.Colours[i] = {table[i].Blue, table[i].Green, table[i].Red, 0};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&format), DIB_RGB_COLORS, &bits,
                                       nullptr, 0));
        previous_ = SelectObject(dc_.get(), bitmap_.get());
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    ~MemoryCanvas() { SelectObject(dc_.get(), previous_); }

    HDC Dc() const { return dc_.get(); }
    void PaintFrom(HWND window) const {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Dc()), PRF_CLIENT);
    }
    // Top row first.
    std::vector<Rgb> Pixels() const {
        std::vector<Rgb> pixels;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const COLORREF colour = GetPixel(Dc(), x, y);
                pixels.push_back({GetRValue(colour), GetGValue(colour), GetBValue(colour)});
            }
        return pixels;
    }

private:
    int width_, height_;
    UniqueMemoryDc dc_{CreateCompatibleDC(nullptr)};
    UniqueBitmap bitmap_;
    HGDIOBJ previous_;
};

} // namespace vurozud::test
