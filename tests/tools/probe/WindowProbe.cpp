// Answers one question about the Wine session it runs in, for the tests and figures that drive the
// launcher from outside: "key=value" lines on standard output, exit code 0 when the thing asked about
// was found.
//
//   winprobe window TITLE            the top-level window with this exact title, its children and how many
//                                    windows have the title (count=0 and exit code 1 when there is none)
//   winprobe move TITLE X Y W H      moves and sizes it (window rectangle, screen coordinates)
//   winprobe cancel TITLE            cancels its modes as the system does when a modal window comes up
//                                    (WM_CANCELMODE), which takes the mouse capture away; captured=1 when
//                                    it held the capture
//   winprobe process PID             the entries the system's handle table holds for the process (Wine
//                                    answers 0 for the handle count, but keeps the table)

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

std::vector<HWND> TopLevelWindows(const char* title) {
    std::vector<HWND> found;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, nullptr, title)) != nullptr;)
        found.push_back(window);
    return found;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    RECT r;
    GetWindowRect(child, &r);
    std::printf("child=%s %ld,%ld,%ld,%ld %s\n", ClassOf(child).c_str(), r.left, r.top, r.right, r.bottom,
                TextOf(child).c_str());
    return TRUE;
}

int DescribeWindow(const char* title) {
    const std::vector<HWND> windows = TopLevelWindows(title);
    std::printf("count=%u\n", static_cast<unsigned>(windows.size()));
    if (windows.empty())
        return 1;
    const HWND window = windows.front();
    DWORD pid = 0;
    GUITHREADINFO info{};
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
    EnumChildWindows(window, PrintChild, 0);
    return 0;
}

int CancelModes(const char* title) {
    const std::vector<HWND> windows = TopLevelWindows(title);
    if (windows.empty())
        return 1;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(windows.front(), nullptr), &info);
    std::printf("captured=%d\n", info.hwndCapture == windows.front() ? 1 : 0);
    SendMessageTimeoutA(windows.front(), WM_CANCELMODE, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    return 0;
}

// How many rows of the system handle table (information class 16 of NtQuerySystemInformation) the process owns.
int DescribeProcess(DWORD pid) {
    struct Row {
        ULONG OwnerPid;
        BYTE ObjectType, Flags;
        USHORT Value;
        PVOID Object;
        ACCESS_MASK Access;
    };
    using Query = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<BYTE> buffer(1 << 16);
    ULONG needed = 0;
    LONG status;
    while ((status = query(16, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
           static_cast<LONG>(0xC0000004)) // the buffer is too small
        buffer.resize(buffer.size() * 2 + needed);
    if (status < 0)
        return 1;
    const ULONG rows = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* row = reinterpret_cast<const Row*>(buffer.data() + sizeof(ULONG_PTR));
    long owned = 0;
    for (ULONG i = 0; i < rows; ++i)
        owned += row[i].OwnerPid == pid;
    std::printf("table_handles=%ld\n", owned);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    int status = 2;
    if (command == "window" && argc == 3)
        status = DescribeWindow(argv[2]);
    else if (command == "move" && argc == 7) {
        const std::vector<HWND> windows = TopLevelWindows(argv[2]);
        status = !windows.empty() && SetWindowPos(windows.front(), nullptr, std::atoi(argv[3]), std::atoi(argv[4]),
                                                  std::atoi(argv[5]), std::atoi(argv[6]), SWP_NOZORDER | SWP_NOACTIVATE)
                     ? 0
                     : 1;
    } else if (command == "cancel" && argc == 3)
        status = CancelModes(argv[2]);
    else if (command == "process" && argc == 3)
        status = DescribeProcess(std::strtoul(argv[2], nullptr, 10));
    else
        std::fprintf(stderr, "usage: winprobe window TITLE | move TITLE X Y W H | cancel TITLE | process PID\n");
    std::fflush(stdout);
    return status;
}
