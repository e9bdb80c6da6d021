// Answers one question about the Wine session it runs in, for the tests and figures that drive the
// launcher from outside: "key=value" lines on standard output, exit code 0 when the thing asked about
// was found.
//
//   winprobe window TITLE            the top-level window with this exact title, how many windows have the
//                                    title (count=0 and exit code 1 when there is none), and what its
//                                    children say: a message box's labels joined, its buttons' texts
//                                    joined, where its last button is, and how many icons it shows
//   winprobe text FACE POINTS WEIGHT left|centre|button WIDTH HEIGHT TEXT
//                                    the text as the system draws it in memory, in that font at the
//                                    display's dots per inch, wrapped at word breaks in a box of that many
//                                    pixels (a button's: one line, centred both ways): one character a
//                                    pixel, row by row, "#" for the text and "." for the background
//   winprobe move TITLE X Y W H      moves and sizes it (window rectangle, screen coordinates)

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The text, with line breaks escaped so that every answer stays on one line. WM_GETTEXT crosses process
// boundaries for every window class.
std::string TextOf(HWND window) {
    char text[4096] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    std::string line;
    for (const char* c = text; *c; ++c)
        line += *c == '\r' ? "\\r" : *c == '\n' ? "\\n" : std::string(1, *c);
    return line;
}

void PrintRect(const char* name, const RECT& r) {
    std::printf("%s=%ld,%ld,%ld,%ld\n", name, r.left, r.top, r.right, r.bottom);
}

// What a message box's children say: its labels' texts, its buttons' texts, the icons it shows.
struct Children {
    std::string Message, Buttons;
    int Icons = 0;
};

BOOL CALLBACK AddChild(HWND child, LPARAM children) {
    Children& seen = *reinterpret_cast<Children*>(children);
    RECT r;
    if (ClassOf(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        seen.Icons += IsWindowVisible(child) && SendMessageA(child, STM_GETICON, 0, 0) != 0;
    else if (ClassOf(child) == "Static")
        seen.Message += TextOf(child);
    else if (ClassOf(child) == "Button" && GetWindowRect(child, &r)) {
        PrintRect("button", r);
        seen.Buttons += (seen.Buttons.empty() ? "" : "|") + TextOf(child);
    }
    return TRUE;
}

// The text drawn in black into a white memory bitmap, printed a character a pixel: "#" black, "." white.
int DrawTextInMemory(const char* face, double points, int weight, const std::string& alignment, int width,
                     int height, const char* text) {
    const HDC screen = GetDC(nullptr);
    const int pixels = static_cast<int>(points * GetDeviceCaps(screen, LOGPIXELSY) / 72 + 0.5);
    ReleaseDC(nullptr, screen);
    const HFONT font = CreateFontA(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}; // top-down
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(dc, bitmap);
    SelectObject(dc, font);
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    SetBkMode(dc, TRANSPARENT);
    RECT box{0, 0, width, height};
    DrawTextA(dc, text, -1, &box,
              DT_NOPREFIX | (alignment == "left"     ? DT_LEFT | DT_WORDBREAK
                             : alignment == "centre" ? DT_CENTER | DT_WORDBREAK
                                                     : DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    GdiFlush();
    std::string drawn;
    for (int i = 0; i < width * height; ++i) {
        const DWORD pixel = static_cast<const DWORD*>(bits)[i] & 0xFFFFFF;
        drawn += pixel == 0 ? '#' : pixel == 0xFFFFFF ? '.' : '?';
    }
    std::printf("pixels=%s\n", drawn.c_str());
    return 0; // the probe ends here, and the system frees the font, the bitmap and the device context with it
}

int DescribeWindow(const char* title) {
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, nullptr, title)) != nullptr;)
        ++count;
    std::printf("count=%d\n", count);
    const HWND window = FindWindowA(nullptr, title);
    if (window == nullptr)
        return 1;
    DWORD pid = 0;
    GUITHREADINFO info{}; // of the window's thread: where its focus is
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, &pid), &info);
    RECT frame, client;
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const HWND owner = GetWindow(window, GW_OWNER);
    std::printf("pid=%lu\nvisible=%d\nstyle=%08lX\nowner=%s\nfocus=%s %s\n", pid, IsWindowVisible(window) ? 1 : 0,
                GetWindowLongA(window, GWL_STYLE), owner ? TextOf(owner).c_str() : "",
                info.hwndFocus ? ClassOf(info.hwndFocus).c_str() : "",
                info.hwndFocus ? TextOf(info.hwndFocus).c_str() : "");
    PrintRect("window", frame);
    PrintRect("client", client);
    Children children;
    EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&children));
    std::printf("message=%s\nbuttons=%s\nicons=%d\n", children.Message.c_str(), children.Buttons.c_str(),
                children.Icons);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "window" && argc == 3)
        return DescribeWindow(argv[2]);
    if (command == "text" && argc == 9)
        return DrawTextInMemory(argv[2], std::atof(argv[3]), std::atoi(argv[4]), argv[5], std::atoi(argv[6]),
                                std::atoi(argv[7]), argv[8]);
    const HWND window = argc > 2 ? FindWindowA(nullptr, argv[2]) : nullptr;
    if (command == "move" && argc == 7)
        return window && SetWindowPos(window, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                                      std::atoi(argv[6]), SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
    std::fprintf(stderr, "usage: winprobe window TITLE | text FACE POINTS WEIGHT ALIGNMENT WIDTH HEIGHT TEXT | "
                         "move TITLE X Y W H\n");
    return 2;
}
