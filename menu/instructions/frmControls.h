#pragma once
// The instructions window: seven paragraphs on using the desktop and a Close button. There is one
// instance for the whole process, created on its first show and only ever hidden afterwards, so it
// comes back where and as large as the user left it. It is never destroyed: the process ends at once
// (ExitProcess) and takes the window with it, so no handler of it runs at the end, not even while
// the process detaches.

#include "UniqueHandle.h"
#include "Window.h"

#include <windows.h>

namespace vurozud {

class frmControls : public Window<frmControls> {
public:
    // Shows the one process-wide instance, creating it (centred on the screen) on first use; shown modeless,
    // without owner; a hidden instance comes back where and as large as it was; a visible one stays as it is.
    static void Show(HINSTANCE instance);

    // The window's keyboard interface (Enter or Space on Close hides it, Esc does nothing): the program's
    // message loop offers every message here first and skips its own handling when this returns true.
    static bool HandleDialogKeys(MSG& message);

    frmControls(const frmControls&) = delete;
    frmControls& operator=(const frmControls&) = delete;
    ~frmControls() = delete;

private:
    friend class Window<frmControls>;

    frmControls();
    void Build(HINSTANCE instance);
    static frmControls*& Instance();

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintContent(HDC dc) const;
    void Hide();

    DisplayScale scale_;
    UniqueFont labelFont_;
    UniqueFont buttonFont_;
    HWND command1_ = nullptr; // a child: destroyed with the window
};

} // namespace vurozud
