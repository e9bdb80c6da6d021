// The program file's resources as Explorer reads them: the version record's U.S. English block, which the
// translation table points readers at, and the first icon group, the file's icon.

#include "Check.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace vurozud::test {
namespace {

TEST_CASE(TheUsEnglishBlockNamesTheProductAndItsVersion) {
    const char* path = "Z:" VUROZUD_EXE; // the host's file system is drive Z
    DWORD ignored = 0;
    std::vector<char> record(GetFileVersionInfoSizeA(path, &ignored) + 1);
    GetFileVersionInfoA(path, 0, static_cast<DWORD>(record.size() - 1), record.data());
    const auto query = [&](const std::string& key) {
        char* text = nullptr;
        UINT length = 0;
        return VerQueryValueA(record.data(), key.c_str(), reinterpret_cast<void**>(&text), &length) ? text : nullptr;
    };
    const char* translation = query("\\VarFileInfo\\Translation"); // 0x0409 U.S. English, 1200 Unicode
    CHECK(translation && std::string(translation, 4) == "\x09\x04\xB0\x04");
    for (const auto& [name, value] : {std::pair{"FileVersion", "1.00"}, {"ProductVersion", "1.00"},
                                      {"ProductName", "Vurozud Tree"}, {"InternalName", "vurozud"},
                                      {"OriginalFilename", "vurozud.exe"}}) {
        const char* text = query(std::string("\\StringFileInfo\\040904B0\\") + name);
        CHECK_EQ(std::string(text ? text : ""), value);
    }
}

BOOL CALLBACK KeepFirst(HMODULE, LPCSTR, LPSTR name, LONG_PTR first) {
    *reinterpret_cast<LPSTR*>(first) = name;
    return FALSE;
}

// The group holds one image, described as the icon file describes it, and that image is the file's, byte for byte.
TEST_CASE(TheFirstIconGroupIsTheIconFile) {
    const HMODULE program = LoadLibraryExA("Z:" VUROZUD_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const auto resource = [&](LPCSTR name, LPCSTR type) {
        const HRSRC found = FindResourceA(program, name, type);
        const char* bytes = found ? static_cast<const char*>(LockResource(LoadResource(program, found))) : nullptr;
        return bytes ? std::string(bytes, SizeofResource(program, found)) : std::string();
    };
    LPSTR first = nullptr; // a number (the first name would not outlive the enumeration)
    EnumResourceNamesA(program, RT_GROUP_ICON, KeepFirst, reinterpret_cast<LONG_PTR>(&first));
    const std::string group = resource(first, RT_GROUP_ICON);
    std::ifstream in("Z:" TREE_ICO, std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    CHECK(IS_INTRESOURCE(first) && group.size() == 6 + 14 && file.size() > 22);
    if (group.size() != 6 + 14 || file.size() <= 22)
        return;
    CHECK(group.substr(0, 18) == file.substr(0, 18)); // one image, of the same size, colours and length
    const auto id = static_cast<unsigned char>(group[18]) | static_cast<unsigned char>(group[19]) << 8;
    const auto offset = *reinterpret_cast<const DWORD*>(file.data() + 18);
    CHECK(resource(MAKEINTRESOURCEA(id), RT_ICON) == file.substr(offset));
}

} // namespace
} // namespace vurozud::test
