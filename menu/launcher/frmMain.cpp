#include "frmMain.h"

#include "ActiveDesktop.h"
#include "DesktopPageFile.h"
#include "EditionName.h"
#include "ScreenSize.h"
#include "ShellState.h"

#include "AnsiText.h"
#include "ApplicationTitle.h"
#include "SupportAddress.h"
#include "SystemRegistry.h"
#include "clsRegistry.h"
#include "frmControls.h"
#include "resource.h"

#include <windowsx.h>

#include <string>

namespace vurozud {
namespace {

constexpr char kClassName[] = "VurozudLauncher";
// A fixed single border with a title bar; no system menu, so no close box and no minimize or
// maximize button: the commands are the ways out.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

constexpr COLORREF kCommandColour = RGB(0, 255, 0);
constexpr COLORREF kRuleColour = RGB(255, 0, 0);
constexpr std::int32_t kStretched = 2; // the shell's wallpaper style

// The user's decimal separator, which the page's size texts use for fractions.
std::u16string DecimalSeparator() {
    char separator[8] = ".";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
    return FromAnsi(separator);
}

PixelPoint PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

} // namespace

frmMain::frmMain(HINSTANCE instance)
    : instance_(instance), scale_(ScreenDisplayScale()), commandFont_(CreateLayoutFont(kCommandLineFont, scale_)),
      rulePen_(CheckWin32(CreatePen(PS_SOLID, 1, kRuleColour), "CreatePen")),
      pointingHand_(CheckWin32(LoadCursorA(instance, MAKEINTRESOURCEA(IDC_POINTING_HAND)), "LoadCursorA")) {
    Load();
    HICON icon = CheckWin32(LoadIconA(instance, MAKEINTRESOURCEA(IDI_TREE)), "LoadIconA");
    // Double-clicks are told apart, so that the second press of one is not taken for another click.
    RegisterWindowClass(instance, kClassName, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), icon, CS_DBLCLKS);
    Create(kExStyle, kClassName, kLauncherTitle, kStyle,
           CentredFrame(ToPixels(kLauncherClientSize, scale_), kStyle, kExStyle), nullptr, instance);
    Picture1 = std::make_unique<PictureBox>(Handle(), instance, ToPixels(kPicture1, scale_), IDB_PREVIEW);
}

frmMain::~frmMain() = default;

void frmMain::Show(int showCommand) {
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
    SetFocus(Picture1->Handle());
}

std::u16string frmMain::IdentifyOperatingSystem() {
    OSVERSIONINFOA record{};
    record.dwOSVersionInfoSize = sizeof record; // 148 bytes: five numbers and the service-pack text
    static_assert(sizeof record == 148);
    if (!GetVersionExA(&record))
        return std::u16string(EditionName(std::nullopt));
    const VersionNumbers version{static_cast<std::int32_t>(record.dwPlatformId),
                                 static_cast<std::int32_t>(record.dwMajorVersion),
                                 static_cast<std::int32_t>(record.dwMinorVersion)};
    return std::u16string(EditionName(version));
}

void frmMain::Load() {
    OSName = IdentifyOperatingSystem();
    ScreenWidth = PagePixels(ScreenTwips(GetSystemMetrics(SM_CXSCREEN), scale_.DotsPerInchX));
    ScreenHeight = ShortestDecimalText(PagePixels(ScreenTwips(GetSystemMetrics(SM_CYSCREEN), scale_.DotsPerInchY)),
                                       DecimalSeparator());
}

LRESULT frmMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        return OnSetCursor(lParam) ? TRUE : DefaultHandling(message, wParam, lParam);
    case WM_LBUTTONDOWN:
        OnMouseDown(PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnMouseUp(PointOf(lParam));
        return 0;
    case WM_LBUTTONDBLCLK: // the second press of a double-click: its first click has run the command once
        return 0;
    case WM_CAPTURECHANGED: // taken away mid-press (WM_CANCELMODE releases it too): the press is void
        pressedCommand_.reset();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && Picture1)
            SetFocus(Picture1->Handle());
        return 0;
    case WM_CLOSE: // Alt+F4: the same as "Exit This Menu"
        Exit_Click();
        return 0;
    case WM_DISPLAYCHANGE: // the display's messages come to top-level windows; the picture is what they concern
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
        return Picture1 ? SendMessageA(Picture1->Handle(), message, wParam, lParam)
                        : DefaultHandling(message, wParam, lParam);
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void frmMain::PaintContent(HDC dc) const {
    {
        SelectGuard font(dc, commandFont_.get());
        SetTextColor(dc, kCommandColour);
        SetBkMode(dc, TRANSPARENT);
        for (const CommandLine& line : kCommandLines) {
            RECT rect = ToRect(ToPixels(line.Box, scale_));
            DrawTextA(dc, line.Text.data(), static_cast<int>(line.Text.size()), &rect,
                      DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
        }
    }
    SelectGuard pen(dc, rulePen_.get());
    for (const Rule& rule : kRules) {
        const int y = ToPixelsY(rule.Y, scale_);
        MoveToEx(dc, ToPixelsX(rule.Left, scale_), y, nullptr);
        LineTo(dc, ToPixelsX(rule.Right, scale_), y);
    }
}

bool frmMain::OnSetCursor(LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT)
        return false;
    // Where the pointer is. GetCursorPos fails while another desktop has the input (a locked workstation); then
    // the position of the last message taken from the queue stands in. Only then: the mouse message that asks
    // for the cursor is still being taken, so that position is the one of the message before it.
    POINT cursor;
    if (!GetCursorPos(&cursor)) {
        const DWORD position = GetMessagePos();
        cursor = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    }
    ScreenToClient(Handle(), &cursor);
    if (!CommandAt({cursor.x, cursor.y}, scale_))
        return false;
    SetCursor(pointingHand_);
    return true;
}

void frmMain::OnMouseDown(PixelPoint point) {
    const std::optional<LauncherCommand> pressed = CommandAt(point, scale_);
    if (pressed)
        SetCapture(Handle());
    pressedCommand_ = pressed; // after SetCapture, whose WM_CAPTURECHANGED must not void this press
}

// A command runs when the button goes up over the same line it went down on, the window having held
// the capture all the while.
void frmMain::OnMouseUp(PixelPoint point) {
    const std::optional<LauncherCommand> pressed = std::exchange(pressedCommand_, std::nullopt);
    if (GetCapture() == Handle())
        ReleaseCapture();
    if (pressed && CommandAt(point, scale_) == pressed)
        RunCommand(*pressed);
}

void frmMain::RunCommand(LauncherCommand command) {
    switch (command) {
    case LauncherCommand::Run:
        return Run_Click();
    case LauncherCommand::Close:
        return Close_Click();
    case LauncherCommand::Instructions:
        return Instructions_Click();
    case LauncherCommand::Support:
        return Support_Click();
    case LauncherCommand::Exit:
        return Exit_Click();
    }
}

// Regenerates the page for the recorded screen size, switches the HTML desktop on where the
// shell keeps that switch in its saved state, and puts the page up as the wallpaper.
void frmMain::Run_Click() {
    WriteDesktopPage();
    if (IsWindows95Family(OSName)) {
        if (!Registry)
            Registry = std::make_unique<clsRegistry>(SystemRegistry());
        ReplaceShellState(*Registry);
    }
    ApplyWallpaper(FromAnsi(kPagePath), kStretched);
}

// Close and Exit end the process at once, with success: no further handler of any window runs,
// whatever windows exist, are shown or are hidden.
void frmMain::Close_Click() {
    ApplyWallpaper(u"", kStretched);
    ExitProcess(0);
}

void frmMain::Instructions_Click() { frmControls::Show(instance_); }

void frmMain::Support_Click() {
    const std::string text = std::string("For support go to ") + kSupportAddress +
                             " to contact us with any issues you may have. Thank you.";
    MessageBoxA(Handle(), text.c_str(), kApplicationTitle, MB_OK);
}

void frmMain::Exit_Click() { ExitProcess(0); }

void frmMain::WriteDesktopPage() {
    const std::u16string widthText = ShortestDecimalText(ScreenWidth.As<float>(), DecimalSeparator());
    // The replacement has cleaned up after a failure by the time it reports it; the failure ends the program.
    if (const MaybeFailure failure =
            ReplaceDesktopPage(SystemPageFiles(), kTemplatePath, kPagePath, ToAnsi(widthText), ToAnsi(ScreenHeight)))
        EndWithFatalError(*failure);
}

void frmMain::ApplyWallpaper(std::u16string_view path, std::int32_t style) {
    ApplyActiveDesktopWallpaper(path, style);
}

} // namespace vurozud
