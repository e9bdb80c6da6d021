#pragma once
// The plumbing every window shares: registering its class, creating it centred on the screen, fonts
// and boxes at the display's scale, painting, and routing its messages to the C++ object behind it.
// The object is found through the pointer stored at WM_NCCREATE and forgotten at WM_NCDESTROY.
// Windows, classes and messages use the ANSI forms throughout, which every edition of Windows
// implements.

#include "Twips.h"
#include "UniqueHandle.h"
#include "Win32Error.h"

#include <windows.h>

namespace vurozud {

// The display's dots per inch, which turn the layouts' twips and points into pixels.
DisplayScale ScreenDisplayScale();

// The layout's font at the display's dots per inch down the screen.
UniqueFont CreateLayoutFont(const LayoutFont& font, DisplayScale scale);

inline RECT ToRect(const PixelRect& box) { return {box.Left, box.Top, box.Right, box.Bottom}; }

// The window rectangle whose client area has the given size, centred on the screen.
RECT CentredFrame(PixelSize client, DWORD style, DWORD exStyle);

// Derived provides OnMessage(message, wParam, lParam) for everything but painting, and
// PaintContent(HDC), which draws the window's content between BeginPaint and EndPaint, or into the
// device context a WM_PRINTCLIENT gives. Painting ends nothing: what it needs is made with the
// window, and a drawing call the system refuses leaves the window unpainted until its next paint.
template <typename Derived> class Window {
public:
    HWND Handle() const { return window_; }

protected:
    // Registers the class on first use. It has no background brush unless one is given.
    static void RegisterWindowClass(HINSTANCE instance, const char* className, HBRUSH background = nullptr,
                                    HICON icon = nullptr, UINT style = 0) {
        WNDCLASSA existing;
        if (GetClassInfoA(instance, className, &existing))
            return;
        WNDCLASSA windowClass{};
        windowClass.style = style;
        windowClass.lpfnWndProc = &Window::Route;
        windowClass.hInstance = instance;
        windowClass.hIcon = icon;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = className;
        CheckWin32(RegisterClassA(&windowClass), "RegisterClassA");
    }

    void Create(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& frame,
                HWND parent, HINSTANCE instance) {
        CheckWin32(CreateWindowExA(exStyle, className, title, style, frame.left, frame.top, frame.right - frame.left,
                                   frame.bottom - frame.top, parent, nullptr, instance, static_cast<Derived*>(this)),
                   "CreateWindowExA");
    }

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(window_, message, wParam, lParam);
    }

private:
    void Paint() {
        PAINTSTRUCT paint;
        if (HDC dc = BeginPaint(window_, &paint)) {
            static_cast<const Derived&>(*this).PaintContent(dc);
            EndPaint(window_, &paint);
        }
    }

    static LRESULT CALLBACK Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->window_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        }
        if (!self)
            return DefWindowProcA(window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
            return DefWindowProcA(window, message, wParam, lParam);
        }
        // A failure inside never comes back here: it ends the program where it is found.
        if (message == WM_PAINT) {
            self->Paint();
            return 0;
        }
        if (message == WM_PRINTCLIENT) {
            static_cast<const Derived&>(*self).PaintContent(reinterpret_cast<HDC>(wParam));
            return 0;
        }
        return self->OnMessage(message, wParam, lParam);
    }

    HWND window_ = nullptr;
};

} // namespace vurozud
