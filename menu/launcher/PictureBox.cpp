#include "PictureBox.h"

namespace vurozud {
namespace {

constexpr char kClassName[] = "VurozudPicture";

} // namespace

PictureBox::PictureBox(HWND parent, HINSTANCE instance, PixelRect box, int bitmapId)
    : bitmap_(CheckWin32(LoadBitmapA(instance, MAKEINTRESOURCEA(bitmapId)), "LoadBitmapA")) {
    RegisterWindowClass(instance, kClassName);
    Create(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, box.Left, box.Top, box.Width(), box.Height(), parent,
           instance);
}

LRESULT PictureBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the bitmap covers the whole box
    case WM_PAINT:
    case WM_PRINTCLIENT:
        Paint(message, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(Handle());
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void PictureBox::PaintContent(HDC dc) const {
    BITMAP size;
    GetObjectA(bitmap_.get(), sizeof size, &size);
    const UniqueMemoryDc memory(CheckWin32(CreateCompatibleDC(dc), "CreateCompatibleDC"));
    SelectGuard select(memory.get(), bitmap_.get());
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory.get(), 0, 0, SRCCOPY);
}

} // namespace vurozud
