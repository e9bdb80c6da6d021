#include "StandInJournal.h"

#include "Win32Error.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace vurozud::test {

namespace {

std::wstring NewTemporaryFile() {
    wchar_t folder[MAX_PATH];
    CheckWin32(GetTempPathW(MAX_PATH, folder), "GetTempPathW");
    wchar_t path[MAX_PATH];
    CheckWin32(GetTempFileNameW(folder, L"adj", 0, path), "GetTempFileNameW");
    return path;
}

struct CloseFile {
    void operator()(FILE* file) const { std::fclose(file); }
};

} // namespace

ScopedEnvironmentVariable::ScopedEnvironmentVariable(const wchar_t* name, const std::wstring& value) : name_(name) {
    CheckWin32(SetEnvironmentVariableW(name, value.c_str()), "SetEnvironmentVariableW");
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
    SetEnvironmentVariableW(name_, nullptr);
}

StandInJournal::StandInJournal() : path_(NewTemporaryFile()), variable_(L"ACTIVE_DESKTOP_JOURNAL", path_) {}

StandInJournal::~StandInJournal() {
    DeleteFileW(path_.c_str());
}

std::string StandInJournal::Text() const {
    const std::unique_ptr<FILE, CloseFile> file(_wfopen(path_.c_str(), L"rb"));
    if (!file)
        throw std::runtime_error("the journal cannot be read");
    std::string text;
    char buffer[4096];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, file.get()))
        text.append(buffer, read);
    return text;
}

} // namespace vurozud::test
