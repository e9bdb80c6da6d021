#include "frmControls.h"

#include "InstructionsLayout.h"

#include <string>

namespace vurozud {
namespace {

constexpr char kClassName[] = "frmControls";

// A sizable frame with a title bar and no system menu, like the launcher window. The close
// command still reaches the window from the keyboard (Alt+F4), and hides it like the Close button.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

// Any identifier but IDOK and IDCANCEL: Close is neither the default nor the cancel button.
constexpr int kCommand1Id = 100;

constexpr int kBackgroundColour = COLOR_CAPTIONTEXT;
constexpr int kLabelTextColour = COLOR_BTNTEXT;

} // namespace

frmControls::frmControls()
    : scale_(ScreenDisplayScale()), labelFont_(CreateLayoutFont(kInstructionsLabelFont, scale_)),
      buttonFont_(CreateLayoutFont(kInstructionsButtonFont, scale_)) {}

frmControls*& frmControls::Instance() {
    static frmControls* instance = nullptr;
    return instance;
}

void frmControls::Build(HINSTANCE instance) {
    // No class background: the window paints its background itself.
    RegisterWindowClass(instance, kClassName);
    Create(kExStyle, kClassName, kInstructionsTitle, kStyle,
           CentredFrame(ToPixels(kInstructionsClientSize, scale_), kStyle, kExStyle), nullptr, instance);

    const PixelRect box = ToPixels(kInstructionsCommand1.Box, scale_);
    const std::string text(kInstructionsCommand1.Text);
    constexpr DWORD buttonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    const auto id = reinterpret_cast<HMENU>(INT_PTR{kCommand1Id});
    command1_ = CheckWin32(CreateWindowExA(0, "BUTTON", text.c_str(), buttonStyle, box.Left, box.Top, box.Width(),
                                           box.Height(), Handle(), id, instance, nullptr),
                           "CreateWindowExA");
    SendMessageA(command1_, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), FALSE);
}

void frmControls::Show(HINSTANCE instance) {
    frmControls*& current = Instance();
    if (!current) {
        // A failure part way ends the program with the fatal error box; what was made goes with it.
        current = new frmControls();
        current->Build(instance);
    }
    ShowWindow(current->Handle(), SW_SHOW);
    // The command that shows it also brings it forward when it is already open behind the launcher.
    SetForegroundWindow(current->Handle());
}

void frmControls::Hide() { ShowWindow(Handle(), SW_HIDE); }

bool frmControls::HandleDialogKeys(MSG& message) {
    const frmControls* self = Instance();
    if (!self || message.message != WM_KEYDOWN)
        return false;
    if (message.hwnd != self->Handle() && !IsChild(self->Handle(), message.hwnd))
        return false;
    switch (message.wParam) {
    case VK_RETURN:
        // Enter acts on the focused button as a click does; Space the button handles itself.
        if (message.hwnd != self->command1_)
            return false;
        SendMessageA(self->Handle(), WM_COMMAND, MAKEWPARAM(kCommand1Id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(self->command1_));
        return true;
    case VK_ESCAPE:
        return true;
    default:
        return false;
    }
}

void frmControls::PaintContent(HDC dc) const {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(kBackgroundColour));

    SelectGuard font(dc, labelFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(kLabelTextColour));
    for (const InstructionsControl& label : kInstructionsLabels) {
        RECT box = ToRect(ToPixels(label.Box, scale_));
        DrawTextA(dc, label.Text.data(), static_cast<int>(label.Text.size()), &box,
                  DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    }
}

LRESULT frmControls::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // PaintContent fills the background itself
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && command1_)
            SetFocus(command1_);
        return 0;
    case WM_SETFOCUS:
        if (command1_)
            SetFocus(command1_);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kCommand1Id && HIWORD(wParam) == BN_CLICKED)
            Hide();
        return 0;
    case WM_CLOSE:
        Hide();
        return 0;
    case WM_SYSCOLORCHANGE:
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

} // namespace vurozud
