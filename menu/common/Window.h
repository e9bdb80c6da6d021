#pragma once
// The plumbing every window shares: registering its class, creating it, and routing its messages
// to the C++ object behind it. The object is found through the pointer stored at WM_NCCREATE and
// forgotten at WM_NCDESTROY. Windows, classes and messages use the ANSI forms throughout, which
// every edition of Windows implements.

#include "FatalError.h"
#include "Win32Error.h"

#include <windows.h>

namespace vurozud {

template <typename Derived> class Window {
public:
    HWND Handle() const { return window_; }

protected:
    // Registers the class on first use. The class has no background brush unless one is given.
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

    void Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                int height, HWND parent, HINSTANCE instance) {
        CheckWin32(CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, nullptr, instance,
                                   static_cast<Derived*>(this)),
                   "CreateWindowExA");
    }

    // The window rectangle that gives a client area of the given size and centres the window on the screen.
    static RECT CentredOnScreen(int clientWidth, int clientHeight, DWORD style, DWORD exStyle) {
        RECT frame{0, 0, clientWidth, clientHeight};
        CheckWin32(AdjustWindowRectEx(&frame, style, FALSE, exStyle), "AdjustWindowRectEx");
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
        return {left, top, left + width, top + height};
    }

    // WM_PAINT and WM_PRINTCLIENT both draw through the derived window's PaintContent(HDC), so
    // what a window draws does not depend on how it is asked to draw.
    void Paint(UINT message, WPARAM wParam) {
        Derived& self = static_cast<Derived&>(*this);
        if (message == WM_PRINTCLIENT) {
            self.PaintContent(reinterpret_cast<HDC>(wParam));
            return;
        }
        PAINTSTRUCT paint;
        if (HDC dc = BeginPaint(window_, &paint)) {
            self.PaintContent(dc);
            EndPaint(window_, &paint);
        }
    }

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(window_, message, wParam, lParam);
    }

private:
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
        return RunOrEndProgram([&] { return self->OnMessage(message, wParam, lParam); });
    }

    HWND window_ = nullptr;
};

} // namespace vurozud
