// How many rows of the system's handle table a process owns, for the soak: Wine answers 0 for a process's
// handle count, but keeps the table.
//
//   handle_table PID

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

// The rows of the system handle table: information class 16 of NtQuerySystemInformation.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: handle_table PID\n");
        return 2;
    }
    const DWORD pid = std::strtoul(argv[1], nullptr, 10);
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
    std::printf("%ld\n", owned);
    return 0;
}

