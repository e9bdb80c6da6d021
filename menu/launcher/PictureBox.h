#pragma once
// The launcher's preview picture: a borderless child window that shows a bitmap at its natural
// size. It is the only control of the launcher that takes the keyboard focus.

#include "Twips.h"
#include "UniqueHandle.h"
#include "Window.h"

namespace vurozud {

class PictureBox : public Window<PictureBox> {
public:
    PictureBox(HWND parent, HINSTANCE instance, PixelRect box, int bitmapId);

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class Window<PictureBox>;

    void PaintContent(HDC dc) const;

    UniqueBitmap bitmap_;
};

} // namespace vurozud
