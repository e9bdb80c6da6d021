// Answers questions about the windows, registry and processes of the Wine session it runs in, for
// the tests that drive the launcher from outside. One question per run; answers are "key=value"
// lines on standard output; the exit code is 0 when the thing asked about was found.
//
//   winprobe window TITLE            the top-level window with this exact title
//   winprobe count TITLE             how many top-level windows have this exact title
//   winprobe children TITLE          the child windows of that window, with their texts
//   winprobe move TITLE X Y W H      moves and sizes it (window rectangle, screen coordinates)
//   winprobe regvalue KEY NAME       a value under HKEY_CURRENT_USER\KEY: type, count and bytes
//   winprobe process PID             the process's GUI objects, handles and private memory

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void PrintRect(const char* name, const RECT& r) {
    std::printf("%s=%ld,%ld,%ld,%ld\n", name, r.left, r.top, r.right, r.bottom);
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[4096] = "";
    // WM_GETTEXT crosses process boundaries for every window class.
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

// Escapes line breaks so that every answer stays on one line.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r')
            line += "\\r";
        else if (c == '\n')
            line += "\\n";
        else
            line += c;
    }
    return line;
}

struct TitleSearch {
    const char* title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTitled(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<TitleSearch*>(context);
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    if (std::strcmp(text, search->title) == 0)
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(const char* title) {
    TitleSearch search{title, {}};
    EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    RECT r;
    GetWindowRect(child, &r);
    std::printf("child class=%s rect=%ld,%ld,%ld,%ld style=0x%08lX text=%s\n", ClassOf(child).c_str(), r.left, r.top,
                r.right, r.bottom, GetWindowLongA(child, GWL_STYLE), OneLine(TextOf(child)).c_str());
    return TRUE;
}

int DescribeWindow(const char* title) {
    const std::vector<HWND> windows = TopLevelWindows(title);
    if (windows.empty()) {
        std::printf("found=0\n");
        return 1;
    }
    HWND window = windows.front();
    DWORD pid = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &pid);
    RECT frame, client;
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&client, origin.x, origin.y);
    std::printf("found=1\nclass=%s\npid=%lu\nvisible=%d\n", ClassOf(window).c_str(), pid, IsWindowVisible(window) ? 1 : 0);
    std::printf("style=0x%08lX\nexstyle=0x%08lX\n", GetWindowLongA(window, GWL_STYLE), GetWindowLongA(window, GWL_EXSTYLE));
    PrintRect("window", frame);
    PrintRect("client", client);
    HWND owner = GetWindow(window, GW_OWNER);
    std::printf("owner=%s\n", owner ? OneLine(TextOf(owner)).c_str() : "");
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(thread, &info)) {
        std::printf("active=%s\n", info.hwndActive == window ? "1" : "0");
        std::printf("focus_class=%s\nfocus_text=%s\n", info.hwndFocus ? ClassOf(info.hwndFocus).c_str() : "",
                    info.hwndFocus ? OneLine(TextOf(info.hwndFocus)).c_str() : "");
    }
    return 0;
}

int DescribeChildren(const char* title) {
    const std::vector<HWND> windows = TopLevelWindows(title);
    if (windows.empty()) {
        std::printf("found=0\n");
        return 1;
    }
    EnumChildWindows(windows.front(), PrintChild, 0);
    return 0;
}

int MoveWindowTo(const char* title, int x, int y, int width, int height) {
    const std::vector<HWND> windows = TopLevelWindows(title);
    if (windows.empty())
        return 1;
    return SetWindowPos(windows.front(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
}

int DescribeValue(const char* key, const char* name) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
        std::printf("key=missing\n");
        return 1;
    }
    DWORD type = 0, count = 0;
    LONG status = RegQueryValueExA(handle, name, nullptr, &type, nullptr, &count);
    std::vector<BYTE> data(count);
    if (status == ERROR_SUCCESS && count)
        status = RegQueryValueExA(handle, name, nullptr, &type, data.data(), &count);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS) {
        std::printf("key=present\nvalue=missing\n");
        return 1;
    }
    std::printf("key=present\nvalue=present\ntype=%lu\ncount=%lu\ndata=", type, count);
    for (DWORD i = 0; i < count; ++i)
        std::printf("%02x", data[i]);
    std::printf("\n");
    return 0;
}

int DescribeProcess(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) {
        std::printf("process=missing\n");
        return 1;
    }
    DWORD handles = 0;
    GetProcessHandleCount(process, &handles);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    std::printf("gdi_objects=%lu\nuser_objects=%lu\nhandles=%lu\nprivate_bytes=%lu\nworking_set=%lu\n",
                GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS), handles,
                static_cast<unsigned long>(memory.PrivateUsage), static_cast<unsigned long>(memory.WorkingSetSize));
    CloseHandle(process);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    int status = 2;
    if (command == "window" && argc == 3)
        status = DescribeWindow(argv[2]);
    else if (command == "count" && argc == 3)
        status = (std::printf("count=%u\n", static_cast<unsigned>(TopLevelWindows(argv[2]).size())), 0);
    else if (command == "children" && argc == 3)
        status = DescribeChildren(argv[2]);
    else if (command == "move" && argc == 7)
        status = MoveWindowTo(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
    else if (command == "regvalue" && argc == 4)
        status = DescribeValue(argv[2], argv[3]);
    else if (command == "process" && argc == 3)
        status = DescribeProcess(std::strtoul(argv[2], nullptr, 10));
    else
        std::fprintf(stderr, "usage: winprobe window|count|children TITLE | move TITLE X Y W H | "
                             "regvalue KEY NAME | process PID\n");
    std::fflush(stdout);
    return status;
}
