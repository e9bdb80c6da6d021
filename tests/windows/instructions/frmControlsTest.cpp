// The instructions window as a user meets it: one instance, shown and hidden, its Close button
// worked by mouse and keyboard, and what it paints. The instance lives for the whole process, so
// the cases run in order and each one shows the window before it looks at it.

#include "InstructionsLayout.h"
#include "UniqueHandle.h"
#include "frmControls.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace vurozud {
namespace {

constexpr int kClientWidth = 570;
constexpr int kClientHeight = 424;

// Runs the messages the way the program's loop does, for long enough that the display catches up.
void PumpMessages(DWORD milliseconds = 150) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (frmControls::HandleDialogKeys(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

void ShowInstructions() {
    frmControls::Show(GetModuleHandleA(nullptr));
    PumpMessages();
}

BOOL CALLBACK CollectInstructionsWindow(HWND window, LPARAM found) {
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    if (std::string(title) == kInstructionsTitle)
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

// Every top-level window with the title, hidden ones included.
std::vector<HWND> InstructionsWindows() {
    std::vector<HWND> found;
    EnumWindows(CollectInstructionsWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND InstructionsWindow() { return FindWindowA(nullptr, kInstructionsTitle); }

HWND Command1(HWND window) { return FindWindowExA(window, nullptr, "Button", "Close"); }

// A rectangle that compares and prints.
struct Box {
    int left, top, right, bottom;
    bool operator==(const Box&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Box& r) {
        return out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
    }
};

Box FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

Box ChildBox(HWND child) {
    RECT box;
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&box), 2);
    return FromRect(box);
}

Box WindowBox(HWND window) {
    RECT box;
    GetWindowRect(window, &box);
    return FromRect(box);
}

Box Expected(const InstructionsControl& control) {
    const PixelRect box = ToPixels(control.Box, kStandardDisplayScale);
    return {box.Left, box.Top, box.Right, box.Bottom};
}

void PressKey(HWND target, WPARAM key) {
    const UINT scanCode = MapVirtualKeyA(static_cast<UINT>(key), 0);
    PostMessageA(target, WM_KEYDOWN, key, 1 | (scanCode << 16));
    PostMessageA(target, WM_KEYUP, key, 1 | (scanCode << 16) | (1u << 30) | (1u << 31));
    PumpMessages();
}

TEST(frmControls, TheFirstShowCreatesOneCentredWindowWithItsLayout) {
    ASSERT_EQ(InstructionsWindow(), nullptr) << "nothing exists before the first show";
    ShowInstructions();

    const std::vector<HWND> windows = InstructionsWindows();
    ASSERT_EQ(windows.size(), 1u);
    const HWND window = windows.front();
    EXPECT_TRUE(IsWindowVisible(window));

    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, kClientWidth);
    EXPECT_EQ(client.bottom, kClientHeight);

    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);

    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Instructions and Controls");

    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP));
    EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr) << "modeless and without owner";

    const HWND button = Command1(window);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(ChildBox(button), Expected(kInstructionsCommand1));
    const LONG buttonStyle = GetWindowLongA(button, GWL_STYLE);
    EXPECT_EQ(buttonStyle & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_TRUE(buttonStyle & WS_TABSTOP);
    EXPECT_NE(GetDlgCtrlID(button), IDOK);
    EXPECT_NE(GetDlgCtrlID(button), IDCANCEL);
    EXPECT_EQ(GetFocus(), button) << "Close holds the focus";

    LOGFONTA font{};
    ASSERT_TRUE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), sizeof font, &font));
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(font.lfHeight, -13);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);

    // The labels are painted by the window itself: the button is its only child.
    EXPECT_EQ(GetWindow(button, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetWindow(button, GW_HWNDPREV), nullptr);
}

TEST(frmControls, ShowingAgainMakesNoSecondWindow) {
    ShowInstructions();
    const HWND first = InstructionsWindow();
    ShowInstructions();
    ShowInstructions();
    const std::vector<HWND> windows = InstructionsWindows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows.front(), first);
    EXPECT_TRUE(IsWindowVisible(first));
}

TEST(frmControls, CloseHidesTheWindowAndTheNextShowBringsTheSameOneBack) {
    ShowInstructions();
    const HWND window = InstructionsWindow();
    const HWND button = Command1(window);

    SendMessageA(button, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindow(window)) << "hidden, not destroyed";

    ShowInstructions();
    EXPECT_EQ(InstructionsWindow(), window);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetFocus(), button);

    // The notification the button sends when clicked, on its own.
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindow(window));
}

TEST(frmControls, TheCloseCommandOfTheFrameHidesLikeTheCloseButton) {
    ShowInstructions();
    const HWND window = InstructionsWindow();
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindow(window));

    ShowInstructions();
    SendMessageA(window, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindow(window));
}

TEST(frmControls, AMovedAndResizedWindowComesBackWhereAndAsLargeAsItWas) {
    ShowInstructions();
    const HWND window = InstructionsWindow();
    const HWND button = Command1(window);
    ASSERT_TRUE(SetWindowPos(window, nullptr, 37, 41, 700, 560, SWP_NOZORDER));
    PumpMessages();
    const Box moved = WindowBox(window);
    EXPECT_EQ(moved, (Box{37, 41, 737, 601}));

    SendMessageA(button, BM_CLICK, 0, 0);
    PumpMessages();
    ASSERT_FALSE(IsWindowVisible(window));
    ShowInstructions();

    EXPECT_EQ(WindowBox(window), moved) << "not centred anew";
    EXPECT_EQ(ChildBox(button), Expected(kInstructionsCommand1));
}

TEST(frmControls, ResizingMovesAndSizesNothing) {
    ShowInstructions();
    const HWND window = InstructionsWindow();
    const HWND button = Command1(window);
    for (const SIZE size : {SIZE{300, 200}, SIZE{900, 700}}) {
        ASSERT_TRUE(SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER));
        PumpMessages();
        EXPECT_EQ(ChildBox(button), Expected(kInstructionsCommand1)) << size.cx << " x " << size.cy;
    }
}

TEST(frmControls, EscDoesNothing) {
    ShowInstructions();
    const HWND window = InstructionsWindow();
    const HWND button = Command1(window);
    ASSERT_EQ(GetFocus(), button);

    PressKey(button, VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetFocus(), button);

    // What a dialog manager would send for Esc: Close is not the cancel button.
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST(frmControls, EnterOrSpaceOnCloseHidesTheWindow) {
    for (const WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_SPACE}}) {
        ShowInstructions();
        const HWND window = InstructionsWindow();
        const HWND button = Command1(window);
        ASSERT_EQ(GetFocus(), button);
        PressKey(button, key);
        EXPECT_FALSE(IsWindowVisible(window)) << "key " << key;
        EXPECT_TRUE(IsWindow(window));
        EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << "never the default button";
    }
}

TEST(frmControls, TheKeyboardInterfaceLeavesOtherKeysAndWindowsAlone) {
    ShowInstructions();
    const HWND button = Command1(InstructionsWindow());
    MSG letter{button, WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_FALSE(frmControls::HandleDialogKeys(letter));
    MSG escape{button, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(frmControls::HandleDialogKeys(escape));

    const HWND other = CreateWindowExA(0, "BUTTON", "Other", WS_OVERLAPPEDWINDOW, 0, 0, 100, 50, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    for (const WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}, WPARAM{VK_SPACE}}) {
        MSG elsewhere{other, WM_KEYDOWN, key, 0, 0, {}};
        EXPECT_FALSE(frmControls::HandleDialogKeys(elsewhere)) << "key " << key;
    }
    DestroyWindow(other);
    EXPECT_TRUE(IsWindowVisible(InstructionsWindow()));
}

// A 32-bit top-down bitmap to render into, with its pixels readable.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const DWORD*>(bits);
        selected_ = SelectObject(dc_, bitmap_.get());
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() {
        SelectObject(dc_, selected_);
        DeleteDC(dc_);
    }

    HDC Dc() const { return dc_; }
    bool Valid() const { return bits_ != nullptr; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const DWORD pixel = bits_[y * width_ + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

private:
    int width_;
    int height_;
    HDC dc_;
    UniqueBitmap bitmap_;
    const DWORD* bits_ = nullptr;
    HGDIOBJ selected_ = nullptr;
};

bool Inside(const Box& box, int x, int y) { return x >= box.left && x < box.right && y >= box.top && y < box.bottom; }

// The window's own painting, the button's added at its place, as the screen would show them. The
// button draws into a canvas of its own: it clips to its client rectangle in device coordinates.
void Render(HWND window, const Canvas& canvas) {
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    const HWND button = Command1(window);
    const Box box = ChildBox(button);
    const Canvas buttonCanvas(box.right - box.left, box.bottom - box.top);
    SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buttonCanvas.Dc()), PRF_CLIENT);
    BitBlt(canvas.Dc(), box.left, box.top, box.right - box.left, box.bottom - box.top, buttonCanvas.Dc(), 0, 0,
           SRCCOPY);
}

TEST(frmControls, TextStandsOnlyInsideTheLabelBoxesAndEveryLabelHasSome) {
    ShowInstructions();
    const HWND window = InstructionsWindow();
    // Larger than the layout, to see that the rest is plain background.
    ASSERT_TRUE(SetWindowPos(window, nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER));
    PumpMessages();
    RECT client;
    GetClientRect(window, &client);
    ASSERT_GT(client.right, kClientWidth);
    ASSERT_GT(client.bottom, kClientHeight);

    const Canvas canvas(client.right, client.bottom);
    ASSERT_TRUE(canvas.Valid());
    Render(window, canvas);

    const COLORREF background = GetSysColor(COLOR_CAPTIONTEXT);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    ASSERT_NE(background, text);
    const Box buttonBox = Expected(kInstructionsCommand1);
    std::vector<int> textPixels(kInstructionsLabels.size(), 0);
    int strayPixels = 0;
    int otherColours = 0;
    int buttonPixels = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            const COLORREF pixel = canvas.At(x, y);
            if (pixel == background)
                continue;
            if (Inside(buttonBox, x, y)) {
                ++buttonPixels;
                continue;
            }
            bool inLabel = false;
            for (std::size_t i = 0; i < kInstructionsLabels.size(); ++i)
                if (Inside(Expected(kInstructionsLabels[i]), x, y)) {
                    inLabel = true;
                    ++textPixels[i];
                    otherColours += pixel != text;
                }
            strayPixels += !inLabel;
        }
    EXPECT_EQ(strayPixels, 0) << "pixels off the background outside every box";
    EXPECT_EQ(otherColours, 0) << "label pixels that are neither background nor text colour";
    EXPECT_GT(buttonPixels, 0);
    for (std::size_t i = 0; i < kInstructionsLabels.size(); ++i)
        EXPECT_GT(textPixels[i], 100) << "label " << i;
}

// Painting the screen and printing the client area go through the same drawing.
TEST(frmControls, TheScreenShowsWhatTheWindowPrints) {
    ShowInstructions();
    const HWND window = InstructionsWindow();
    ASSERT_TRUE(SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();

    const Canvas printed(kClientWidth, kClientHeight);
    const Canvas screen(kClientWidth, kClientHeight);
    ASSERT_TRUE(printed.Valid() && screen.Valid());
    Render(window, printed);
    const HDC windowDc = GetDC(window);
    ASSERT_TRUE(BitBlt(screen.Dc(), 0, 0, kClientWidth, kClientHeight, windowDc, 0, 0, SRCCOPY));
    ReleaseDC(window, windowDc);

    int differences = 0;
    for (const InstructionsControl& label : kInstructionsLabels) {
        const Box box = Expected(label);
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                differences += printed.At(x, y) != screen.At(x, y);
    }
    EXPECT_EQ(differences, 0);
}

// With the layout's own font, no paragraph needs more room than its box gives it.
TEST(frmControls, EveryParagraphFitsItsBox) {
    const std::string face(kInstructionsLabelFont.Face);
    const UniqueFont font(CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    ASSERT_TRUE(font);
    const Canvas canvas(1, 1);
    const SelectGuard selected(canvas.Dc(), font.get());
    for (const InstructionsControl& label : kInstructionsLabels) {
        const PixelRect box = ToPixels(label.Box, kStandardDisplayScale);
        RECT needed{0, 0, box.Width(), 0};
        DrawTextA(canvas.Dc(), label.Text.data(), static_cast<int>(label.Text.size()), &needed,
                  DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
        EXPECT_LE(needed.right, box.Width()) << label.Text;
        EXPECT_LE(needed.bottom, box.Height()) << label.Text;
    }
}

} // namespace
} // namespace vurozud
