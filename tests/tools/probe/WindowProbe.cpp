// Answers questions about the windows, registry and processes of the Wine session it runs in, for
// the tests that drive the launcher from outside. One question per run; answers are "key=value"
// lines on standard output; the exit code is 0 when the thing asked about was found.
//
//   winprobe window TITLE            the top-level window with this exact title
//   winprobe count TITLE             how many top-level windows have this exact title
//   winprobe children TITLE          the child windows of that window, with their texts
//   winprobe move TITLE X Y W H      moves and sizes it (window rectangle, screen coordinates)
//   winprobe regvalue KEY NAME       a value under HKEY_CURRENT_USER\KEY: type, count and bytes
//   winprobe process PID             the process's GUI objects, handles and private memory, and the
//                                    entries the system's handle table holds for it (Wine answers 0 for
//                                    the handle count, but keeps the table)
//   winprobe hold PATH SECONDS       opens an existing file sharing nothing, keeps it open that long
//   winprobe open PATH               opens it for reading as a sharing reader would: error=0 or the code
//   winprobe regdeny KEY             makes HKEY_CURRENT_USER\KEY refuse new values and deletions to all
//   winprobe regallow KEY            takes those refusals off the key again

#include <windows.h>
#include <aclapi.h>
#include <psapi.h>

#include <algorithm>
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

// One row of the system handle table (the information class 16 layout of NtQuerySystemInformation).
struct SystemHandleEntry {
    ULONG OwnerPid;
    BYTE ObjectType;
    BYTE Flags;
    USHORT Value;
    PVOID Object;
    ACCESS_MASK Access;
};

// How many handles the system's handle table lists for the process; -1 when the table cannot be read.
long CountTableHandles(DWORD pid) {
    using QueryFunction = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<QueryFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query)
        return -1;
    constexpr ULONG kSystemHandleInformation = 16;
    constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);
    std::vector<BYTE> buffer(1 << 16);
    LONG status;
    ULONG needed = 0;
    while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
           kInfoLengthMismatch)
        buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed + 4096));
    if (status < 0)
        return -1;
    const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* entries = reinterpret_cast<const SystemHandleEntry*>(buffer.data() + sizeof(ULONG_PTR));
    long owned = 0;
    for (ULONG i = 0; i < count; ++i)
        owned += entries[i].OwnerPid == pid;
    return owned;
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
    std::printf("table_handles=%ld\n", CountTableHandles(pid));
    CloseHandle(process);
    return 0;
}

int HoldFile(const char* path, unsigned seconds) {
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::printf("error=%lu\n", GetLastError());
        return 1;
    }
    Sleep(seconds * 1000);
    CloseHandle(file);
    return 0;
}

int TryOpen(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    const DWORD error = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    std::printf("error=%lu\n", error);
    return error == 0 ? 0 : 1;
}

// What the refusal takes away: writing values, making subkeys, deleting.
constexpr DWORD kRefusedKeyAccess = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | DELETE;

// Rewrites the key's access list: every refusal removed, then, when asked, one refusal for everyone put first
// (a refusal is only sure to count ahead of the grants).
int ChangeKeyRefusal(const char* key, bool refuse) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, READ_CONTROL | WRITE_DAC, &handle) != ERROR_SUCCESS) {
        std::printf("key=missing\n");
        return 1;
    }
    PACL oldList = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    DWORD status = GetSecurityInfo(handle, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &oldList,
                                   nullptr, &descriptor);
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    if (status == ERROR_SUCCESS && !AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0,
                                                             &everyone))
        status = GetLastError();
    std::vector<BYTE> newList(oldList ? oldList->AclSize + 64u : 256u);
    auto* list = reinterpret_cast<PACL>(newList.data());
    if (status == ERROR_SUCCESS && !InitializeAcl(list, static_cast<DWORD>(newList.size()), ACL_REVISION))
        status = GetLastError();
    if (status == ERROR_SUCCESS && refuse && !AddAccessDeniedAce(list, ACL_REVISION, kRefusedKeyAccess, everyone))
        status = GetLastError();
    for (DWORD i = 0; status == ERROR_SUCCESS && oldList && i < oldList->AceCount; ++i) {
        void* entry = nullptr;
        if (!GetAce(oldList, i, &entry))
            status = GetLastError();
        else if (static_cast<ACE_HEADER*>(entry)->AceType != ACCESS_DENIED_ACE_TYPE &&
                 !AddAce(list, ACL_REVISION, MAXDWORD, entry, static_cast<ACE_HEADER*>(entry)->AceSize))
            status = GetLastError();
    }
    if (status == ERROR_SUCCESS)
        status = SetSecurityInfo(handle, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, list, nullptr);
    if (everyone)
        FreeSid(everyone);
    LocalFree(descriptor);
    RegCloseKey(handle);
    std::printf("error=%lu\n", status);
    return status == ERROR_SUCCESS ? 0 : 1;
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
    else if (command == "hold" && argc == 4)
        status = HoldFile(argv[2], static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)));
    else if (command == "open" && argc == 3)
        status = TryOpen(argv[2]);
    else if ((command == "regdeny" || command == "regallow") && argc == 3)
        status = ChangeKeyRefusal(argv[2], command == "regdeny");
    else
        std::fprintf(stderr, "usage: winprobe window|count|children TITLE | move TITLE X Y W H | "
                             "regvalue KEY NAME | process PID | hold PATH SECONDS | open PATH | "
                             "regdeny|regallow KEY\n");
    std::fflush(stdout);
    return status;
}
