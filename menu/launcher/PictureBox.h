#pragma once
// The launcher's preview picture: a borderless child window that shows a bitmap at its natural
// size. It is the only control of the launcher that takes the keyboard focus. What painting needs,
// the picture selected into a memory device context, is made once with the window: a paint makes
// nothing, and one the system refuses only leaves the box unpainted until the next.

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
    SIZE size_; // the picture's natural size
    UniqueMemoryDc memory_;
    SelectGuard selected_; // the picture, in memory_ for the window's life (taken out again before memory_ goes)
};

} // namespace vurozud
