// The version record of the program's executable, read the way Explorer's properties page reads it.

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
    std::vector<char> record(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    CHECK(!record.empty() && GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(record.size()), record.data()));
    const char* const expected[][2] = {{"FileVersion", "1.00"},
                                       {"ProductVersion", "1.00"},
                                       {"ProductName", "Vurozud Tree"},
                                       {"InternalName", "vurozud"},
                                       {"OriginalFilename", "vurozud.exe"}};
    for (const auto& [name, value] : expected) {
        char* text = nullptr;
        UINT length = 0;
        const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
        CHECK(!record.empty() && VerQueryValueA(record.data(), key.c_str(), reinterpret_cast<void**>(&text), &length));
        CHECK_EQ(std::string(text ? text : ""), value);
    }
    WORD* translation = nullptr; // U.S. English, Unicode: the block readers are pointed at
    UINT length = 0;
    CHECK(!record.empty() && VerQueryValueA(record.data(), "\\VarFileInfo\\Translation",
                                            reinterpret_cast<void**>(&translation), &length) && length >= 4);
    CHECK(translation && translation[0] == 0x0409 && translation[1] == 1200);
}

} // namespace
} // namespace vurozud::test
