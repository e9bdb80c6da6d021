// The desktop page written through the system's file functions, in a folder of its own under the temporary
// folder.

#include "Check.h"
#include "DesktopPageFile.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace vurozud::test {
namespace {

namespace fs = std::filesystem;

const fs::path kFolder = fs::temp_directory_path() / "pagetest";
const std::string kOldPage = "\r\n<body width=640 height=480>\r\n";

void Write(const char* name, const std::string& bytes) { std::ofstream(kFolder / name, std::ios::binary) << bytes; }

std::string Read(const char* name) {
    std::ifstream in(kFolder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> Names() {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(kFolder))
        names.insert(entry.path().filename().string());
    return names;
}

// A system without the one-step replacement, as the Windows 95 family is: the page is moved aside and the new
// one moved in, through the system's own file functions.
class WithoutOneStepReplace final : public SystemPageFileSystem {
public:
    MaybeFailure Replace(const std::string&, const std::string&) override {
        return Failure::Win32(kErrorCallNotImplemented, "MoveFileExA");
    }
};

bool IsRefusal(const MaybeFailure& failure) {
    return failure && (failure->Code() == ERROR_ACCESS_DENIED || failure->Code() == ERROR_SHARING_VIOLATION);
}

// The page replaces the previous one, on both kinds of system. A reader that shares the page for reading and
// writing (not for deletion) makes the system refuse to move or replace it, and the page is written in place
// instead. Where even that is refused (a read-only page, a page held open by a reader that shares nothing:
// Wine says access denied where Windows may say sharing violation), the refusal is reported and the previous
// page kept.
TEST_CASE(ThePageTakesThePreviousPagesPlaceUnlessTheSystemRefuses) {
    const std::string newPage = "\r\n<body width=1024 height=768>\r\nx\n\r\n";
    const std::string page = (kFolder / "bg2.htm").string();
    const struct {
        std::string What;
        std::uint32_t Error = 0, OrError = 0;
        DWORD HeldSharing = 0;
    } cases[] = {{""}, {"no template", ERROR_FILE_NOT_FOUND}, {"read-only page", ERROR_ACCESS_DENIED},
                 {"page held by a reader sharing nothing", ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION},
                 {"page held by a reader sharing reading and writing", 0, 0, FILE_SHARE_READ | FILE_SHARE_WRITE}};
    WithoutOneStepReplace windows95Family;
    for (PageFileSystem* files : {&SystemPageFiles(), static_cast<PageFileSystem*>(&windows95Family)})
        for (const auto& c : cases) {
            if (fs::exists(page))
                fs::permissions(page, fs::perms::owner_write, fs::perm_options::add);
            fs::remove_all(kFolder);
            fs::create_directory(kFolder);
            Write(c.What == "no template" ? "other.htm" : "bg1.htm", "<body width=800 height=600>\rx\n");
            Write("bg2.htm", kOldPage);
            const std::set<std::string> names = Names();
            if (c.What == "read-only page")
                fs::permissions(page, fs::perms::owner_write, fs::perm_options::remove);
            const HANDLE held = c.What.starts_with("page held")
                                    ? CreateFileA(page.c_str(), GENERIC_READ, c.HeldSharing, nullptr, OPEN_EXISTING, 0,
                                                  nullptr)
                                    : INVALID_HANDLE_VALUE;
            if (c.HeldSharing != 0) { // the system really refuses both ways of replacing the page
                CHECK(IsRefusal(SystemPageFiles().Replace((kFolder / "bg1.htm").string(), page)));
                CHECK(IsRefusal(SystemPageFiles().Move(page, (kFolder / "aside.htm").string())));
            }
            const MaybeFailure failure =
                ReplaceDesktopPage(*files, (kFolder / "bg1.htm").string(), page, "1024", "768");
            const std::uint32_t error = failure ? failure->Code() : 0;
            CloseHandle(held);
            CHECK(error == c.Error || (c.OrError != 0 && error == c.OrError));
            CHECK_EQ(Read("bg2.htm"), c.Error == 0 ? newPage : kOldPage);
            CHECK(Names() == names);
        }
    fs::permissions(page, fs::perms::owner_write, fs::perm_options::add);
    fs::remove_all(kFolder);
}

} // namespace
} // namespace vurozud::test
