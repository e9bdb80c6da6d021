#include "PictureBox.h"

namespace vurozud {
namespace {

constexpr char kClassName[] = "VurozudPicture";

SIZE NaturalSize(HBITMAP bitmap) {
    BITMAP picture;
    CheckWin32(GetObjectA(bitmap, sizeof picture, &picture), "GetObjectA");
    return {picture.bmWidth, picture.bmHeight};
}

} // namespace

PictureBox::PictureBox(HWND parent, HINSTANCE instance, PixelRect box, int bitmapId)
    : bitmap_(CheckWin32(LoadBitmapA(instance, MAKEINTRESOURCEA(bitmapId)), "LoadBitmapA")),
      size_(NaturalSize(bitmap_.get())), memory_(CheckWin32(CreateCompatibleDC(nullptr), "CreateCompatibleDC")),
      selected_(memory_.get(), bitmap_.get()) {
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
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

// The picture at its natural size in the top left corner; where the display's scale makes the box
// larger, the rest of it is the launcher's black.
void PictureBox::PaintContent(HDC dc) const {
    BitBlt(dc, 0, 0, size_.cx, size_.cy, memory_.get(), 0, 0, SRCCOPY);
    RECT box;
    GetClientRect(Handle(), &box);
    const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const RECT right{size_.cx, 0, box.right, box.bottom};
    const RECT below{0, size_.cy, size_.cx, box.bottom};
    FillRect(dc, &right, black); // nothing to fill where a strip is empty
    FillRect(dc, &below, black);
}

} // namespace vurozud
