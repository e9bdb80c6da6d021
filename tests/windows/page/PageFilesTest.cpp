// The desktop page written through the system's file functions, in a folder of its own under the temporary
// folder: the page replaced in place, and the system's refusals reported with the previous page kept and
// no temporary file left behind.

#include "Check.h"
#include "DesktopPageFile.h"
#include "Failure.h"

#include <windows.h>

#include <set>

namespace vurozud::test {
namespace {

struct Folder {
    Folder() {
        char temporary[MAX_PATH];
        GetTempPathA(MAX_PATH, temporary);
        path = std::string(temporary) + "pagetest\\";
        CreateDirectoryA(path.c_str(), nullptr);
    }
    ~Folder() {
        for (const std::string& name : Names()) {
            SetFileAttributesA((path + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA((path + name).c_str());
        }
        RemoveDirectoryA(path.c_str());
    }
    std::set<std::string> Names() const {
        std::set<std::string> names;
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((path + "*.*").c_str(), &found);
        for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
            if (found.cFileName[0] != '.')
                names.insert(found.cFileName);
        FindClose(search);
        return names;
    }
    void Write(const char* name, const std::string& bytes) const {
        const HANDLE file = CreateFileA((path + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    std::string Read(const char* name) const {
        const HANDLE file = CreateFileA((path + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        char bytes[256];
        DWORD read = 0;
        ReadFile(file, bytes, sizeof bytes, &read, nullptr);
        CloseHandle(file);
        return std::string(bytes, read);
    }
    // The system error code of a failed page writing, 0 if it worked.
    std::uint32_t WritePage(const char* templateName = "bg1.htm") const {
        try {
            WriteDesktopPage(path + templateName, path + "bg2.htm", "1024", "768");
        } catch (const Failure& failure) {
            return failure.Code();
        }
        return 0;
    }
    std::string path;
};

const std::string kOldPage = "\r\n<body width=640 height=480>\r\n";

TEST_CASE(ThePageTakesThePreviousPagesPlace) {
    const Folder folder;
    folder.Write("bg1.htm", "<body width=800 height=600>\rx\n");
    folder.Write("bg2.htm", kOldPage);
    for (int run = 0; run < 2; ++run) {
        CHECK_EQ(folder.WritePage(), 0u);
        CHECK_EQ(folder.Read("bg2.htm"), "\r\n<body width=1024 height=768>\r\nx\n\r\n");
        CHECK(folder.Names() == (std::set<std::string>{"bg1.htm", "bg2.htm"}));
    }
}

TEST_CASE(RefusalsKeepThePreviousPageAndLeaveNoTemporaryFile) {
    const struct {
        const char* What;
        std::uint32_t Error; // 0: any refusal (Wine says access denied where Windows may say sharing violation)
    } cases[] = {{"no template", ERROR_FILE_NOT_FOUND}, {"read-only page", ERROR_ACCESS_DENIED}, {"page held open", 0}};
    for (const auto& c : cases) {
        const Folder folder;
        folder.Write("bg1.htm", "<body width=800 height=600>");
        folder.Write("bg2.htm", kOldPage);
        const std::string what = c.What;
        HANDLE held = INVALID_HANDLE_VALUE;
        if (what == "read-only page")
            SetFileAttributesA((folder.path + "bg2.htm").c_str(), FILE_ATTRIBUTE_READONLY);
        if (what == "page held open")
            held = CreateFileA((folder.path + "bg2.htm").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        const std::set<std::string> before = folder.Names();
        const std::uint32_t error = folder.WritePage(what == "no template" ? "missing.htm" : "bg1.htm");
        CHECK(error != 0 && (c.Error == 0 || error == c.Error));
        CloseHandle(held);
        CHECK_EQ(folder.Read("bg2.htm"), kOldPage);
        CHECK(folder.Names() == before);
    }
}

} // namespace
} // namespace vurozud::test
