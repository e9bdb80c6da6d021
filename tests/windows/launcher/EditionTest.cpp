// The edition name under every Windows version Wine can pose as. Wine answers the version query
// with the version set for the program's name, so each case runs the printing program anew.

#include "../../../menu/common/UniqueHandle.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace vurozud {
namespace {

void SetWineVersionFor(const char* program, const char* version) {
    const std::string key = std::string("Software\\Wine\\AppDefaults\\") + program;
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(handle, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   static_cast<DWORD>(std::strlen(version) + 1));
    RegCloseKey(handle);
}

std::string RunAndRead(const char* program) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return "pipe failed";
    UniqueFile reader(readEnd), writer(writeEnd);
    SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writer.get();
    startup.hStdError = writer.get();
    PROCESS_INFORMATION process{};
    std::string commandLine = program;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return "cannot start " + commandLine;
    UniqueFile processHandle(process.hProcess), threadHandle(process.hThread);
    writer.reset();
    std::string output;
    char buffer[256];
    DWORD count;
    while (ReadFile(reader.get(), buffer, sizeof buffer, &count, nullptr) && count)
        output.append(buffer, count);
    WaitForSingleObject(processHandle.get(), INFINITE);
    return output;
}

struct VersionCase {
    const char* WineVersion;
    const char* Edition;
};

class EditionUnderWine : public ::testing::TestWithParam<VersionCase> {};

TEST_P(EditionUnderWine, NamesTheEditionWinePosesAs) {
    SetWineVersionFor(PRINT_EDITION_EXE, GetParam().WineVersion);
    EXPECT_EQ(RunAndRead(PRINT_EDITION_EXE), GetParam().Edition);
}

INSTANTIATE_TEST_SUITE_P(AllVersions, EditionUnderWine,
                         ::testing::Values(VersionCase{"win95", "Windows 95"}, VersionCase{"win98", "Windows 98"},
                                           VersionCase{"winme", "Windows 98"}, VersionCase{"nt40", "Windows NT"},
                                           VersionCase{"win2k", "Windows 2000"}, VersionCase{"winxp", "Windows XP"},
                                           VersionCase{"win7", "Windows XP"}),
                         [](const auto& info) { return std::string(info.param.WineVersion); });

} // namespace
} // namespace vurozud
