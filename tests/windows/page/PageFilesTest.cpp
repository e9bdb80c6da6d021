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

// The page replaces the previous one; where the system refuses (Wine refuses to replace a page held open as
// access denied, where Windows may say sharing violation) the refusal is reported and the previous page kept.
TEST_CASE(ThePageTakesThePreviousPagesPlaceUnlessTheSystemRefuses) {
    const std::string newPage = "\r\n<body width=1024 height=768>\r\nx\n\r\n";
    const struct {
        std::string What;
        std::uint32_t Error, OrError;
    } cases[] = {{"", 0, 0}, {"no template", ERROR_FILE_NOT_FOUND, 0}, {"read-only page", ERROR_ACCESS_DENIED, 0},
                 {"page held open", ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION}};
    for (const auto& c : cases) {
        if (fs::exists(kFolder / "bg2.htm"))
            fs::permissions(kFolder / "bg2.htm", fs::perms::owner_write, fs::perm_options::add);
        fs::remove_all(kFolder);
        fs::create_directory(kFolder);
        Write(c.What == "no template" ? "other.htm" : "bg1.htm", "<body width=800 height=600>\rx\n");
        Write("bg2.htm", kOldPage);
        const std::set<std::string> names = Names();
        if (c.What == "read-only page")
            fs::permissions(kFolder / "bg2.htm", fs::perms::owner_write, fs::perm_options::remove);
        const HANDLE held = c.What != "page held open" ? INVALID_HANDLE_VALUE
                            : CreateFileA((kFolder / "bg2.htm").string().c_str(), GENERIC_READ, 0, nullptr,
                                          OPEN_EXISTING, 0, nullptr);
        const MaybeFailure failure = ReplaceDesktopPage(SystemPageFiles(), (kFolder / "bg1.htm").string(),
                                                        (kFolder / "bg2.htm").string(), "1024", "768");
        const std::uint32_t error = failure ? failure->Code() : 0;
        CloseHandle(held);
        CHECK(error == c.Error || (c.OrError != 0 && error == c.OrError));
        CHECK_EQ(Read("bg2.htm"), c.Error == 0 ? newPage : kOldPage);
        CHECK(Names() == names);
    }
    fs::permissions(kFolder / "bg2.htm", fs::perms::owner_write, fs::perm_options::add);
    fs::remove_all(kFolder);
}

} // namespace
} // namespace vurozud::test
