// The version record of the program's executable, read the way Explorer's properties page reads it: the U.S.
// English block, which the translation table points readers at.

#include "Check.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace vurozud::test {
namespace {

TEST_CASE(TheUsEnglishBlockNamesTheProductAndItsVersion) {
    std::string path = "Z:" VUROZUD_EXE; // the host's file system is drive Z
    std::replace(path.begin(), path.end(), '/', '\\');
    DWORD ignored = 0;
    std::vector<char> record(GetFileVersionInfoSizeA(path.c_str(), &ignored) + 1);
    GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(record.size() - 1), record.data());
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

} // namespace
} // namespace vurozud::test
