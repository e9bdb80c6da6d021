// The desktop page replaced through the system's file functions, in a folder of its own under the temporary
// folder, with each step of the replacement made to fail in turn.

#include "Check.h"
#include "DesktopPageFile.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace vurozud::test {
namespace {

namespace fs = std::filesystem;

// The system's file operations, naming every step the replacement takes (each operation, each read and each
// write) and failing the steps a test picks, before they are taken, with the code it picks; where asked, without
// the one-step replacement, as the Windows 95 family is. A file left open shows when the test's folder is
// removed: the system refuses to delete it.
class StepFailingFiles final : public SystemPageFileSystem {
public:
    explicit StepFailingFiles(bool oneStepReplace, std::set<std::size_t> failing = {},
                              std::uint32_t code = ERROR_DISK_FULL)
        : oneStepReplace_(oneStepReplace), failing_(std::move(failing)), code_(code) {}

    std::vector<std::string> Steps;

    MaybeFailure OpenForReading(const std::string& path, std::unique_ptr<ByteSource>& file) override {
        return Open("OpenForReading", file,
                    [&](File& opened) { return SystemPageFileSystem::OpenForReading(path, opened.Source); });
    }
    MaybeFailure CreateUniqueFile(const std::string& folder, std::string& path) override {
        return Take("CreateUniqueFile", [&] { return SystemPageFileSystem::CreateUniqueFile(folder, path); });
    }
    MaybeFailure OpenForWriting(const std::string& path, std::unique_ptr<PageFileWriter>& file) override {
        return Open("OpenForWriting", file,
                    [&](File& opened) { return SystemPageFileSystem::OpenForWriting(path, opened.Writer); });
    }
    MaybeFailure Replace(const std::string& from, const std::string& to) override {
        if (!oneStepReplace_)
            return Failure::Win32(kErrorCallNotImplemented, "MoveFileExA");
        return Take("Replace", [&] { return SystemPageFileSystem::Replace(from, to); });
    }
    MaybeFailure Move(const std::string& from, const std::string& to) override {
        return Take("Move", [&] { return SystemPageFileSystem::Move(from, to); });
    }
    MaybeFailure Delete(const std::string& path) override {
        return Take("Delete", [&] { return SystemPageFileSystem::Delete(path); });
    }

private:
    // A file the system opened, for reading or for writing, whose reads and writes are steps too.
    struct File final : ByteSource, PageFileWriter {
        explicit File(StepFailingFiles& files) : Files(files) {}
        MaybeFailure Read(std::span<char> buffer, std::size_t& count) override {
            return Files.Take("Read", [&] { return Source->Read(buffer, count); });
        }
        MaybeFailure Write(std::span<const char> bytes) override {
            return Files.Take("Write", [&] { return Writer->Write(bytes); });
        }
        MaybeFailure Commit() override { return Files.Take("Commit", [&] { return Writer->Commit(); }); }
        StepFailingFiles& Files;
        std::unique_ptr<ByteSource> Source;
        std::unique_ptr<PageFileWriter> Writer;
    };

    template <typename Operation> MaybeFailure Take(const char* step, Operation operation) {
        Steps.push_back(step);
        return failing_.contains(Steps.size() - 1) ? Failure::Win32(code_, step) : operation();
    }
    // Opens a file as a step, through the wrapper that makes its reads and writes steps too.
    template <typename Opened, typename Opening> MaybeFailure Open(const char* step, Opened& file, Opening opening) {
        auto opened = std::make_unique<File>(*this);
        MaybeFailure failure = Take(step, [&] { return opening(*opened); });
        if (!failure)
            file = std::move(opened);
        return failure;
    }

    bool oneStepReplace_;
    std::set<std::size_t> failing_;
    std::uint32_t code_;
};

const fs::path kFolder = fs::temp_directory_path() / "pagetest";
const std::string kTemplate = (kFolder / "bg1.htm").string(), kPage = (kFolder / "bg2.htm").string();

// A template of several reads and writes, so that failures can strike in the middle of the page, and its page.
std::string StarLines(const std::string& size) {
    std::string lines;
    for (int line = 0; line < 12000; ++line)
        lines += "<img src=\"star" + std::to_string(line) + ".gif\" " + size + ">\r\n";
    return lines;
}
const std::string kTemplateBytes = StarLines("width=800 height=600");
const std::string kNewPage = "\r\n" + StarLines("width=1024 height=768");
const std::string kOldPage = "\r\n<body width=640 height=480>\r\n";
const std::map<std::string, std::string> kReplaced{{"bg1.htm", kTemplateBytes}, {"bg2.htm", kNewPage}};

// Every file in the folder by name, with its bytes.
std::map<std::string, std::string> Folder() {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(kFolder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in), {}};
    }
    return files;
}

// Gone, with every file in it, read-only ones too.
void RemoveFolder() {
    if (fs::exists(kFolder))
        for (const auto& entry : fs::directory_iterator(kFolder))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
    fs::remove_all(kFolder);
}

// A fresh folder with the template and, where asked, a previous page; what is in it.
std::map<std::string, std::string> Prepare(bool previousPage) {
    RemoveFolder();
    fs::create_directory(kFolder);
    std::ofstream(kTemplate, std::ios::binary) << kTemplateBytes;
    if (previousPage)
        std::ofstream(kPage, std::ios::binary) << kOldPage;
    return Folder();
}

// The code of the failure the replacement reports, and its operation; 0 when it worked.
std::uint32_t Failed(PageFileSystem& files, std::string* operation = nullptr) {
    const MaybeFailure failure = ReplaceDesktopPage(files, kTemplate, kPage, "1024", "768");
    if (failure && operation)
        *operation = failure->Operation();
    return failure ? failure->Code() : 0;
}

// Settings 0 and 1 replace in one step, 2 and 3 (the 95 family) do not; 0 and 2 have a previous page.
// Without a failure the transformed page is in place, and nothing else is in the folder. Whichever single step
// fails, that failure is reported, the previous page is whole and no file of ours is left; only clearing the old
// page away once the new one is in place may fail unreported.
// Where the system refuses what only the safe replacement needs (a new file in the folder, or moving or replacing
// the page: no right to, or a reader holding the page without sharing its deletion), the template is read again
// and the page written in place, and nothing else is left. Where that is refused too, that is reported and the
// previous page kept.
TEST_CASE(AFailureKeepsThePreviousPageAndARefusalWritesThePageInPlace) {
    for (int setting = 0; setting < 4; ++setting) {
        const bool oneStep = setting < 2, previousPage = setting % 2 == 0;
        Prepare(previousPage);
        StepFailingFiles clean(oneStep);
        CHECK(Failed(clean) == 0 && Folder() == kReplaced);
        CHECK(std::count(clean.Steps.begin(), clean.Steps.end(), "Write") > 1);
        for (std::size_t failing = 0; failing < clean.Steps.size(); ++failing) {
            const std::string step = clean.Steps[failing] + " (step " + std::to_string(failing) + ") in setting " +
                                     std::to_string(setting);
            const auto before = Prepare(previousPage);
            StepFailingFiles files(oneStep, {failing});
            std::string operation;
            if (const std::uint32_t code = Failed(files, &operation); code != 0)
                CHECK_IN(step, code == ERROR_DISK_FULL && operation == clean.Steps[failing] && Folder() == before);
            else
                CHECK_IN(step, !oneStep && failing + 1 == clean.Steps.size() && Folder().size() == 3 &&
                                   Folder().at("bg2.htm") == kNewPage);
        }
        // Moving the new page in fails, and so does putting the old one back: the old page stays whole under its
        // aside name.
        if (setting == 2) {
            Prepare(true);
            StepFailingFiles files(false, {clean.Steps.size() - 2, clean.Steps.size() - 1}); // in, and back
            CHECK(Failed(files) == ERROR_DISK_FULL && files.Steps.at(clean.Steps.size() - 1) == "Move");
            std::map<std::string, std::string> left = Folder();
            left.erase("bg1.htm");
            CHECK(left.size() == 1 && left.begin()->first != "bg2.htm" && left.begin()->second == kOldPage);
        }

        // A step refused with access denied, or instead a reader sharing the page for reading and writing only;
        // then the same refusal with the page refused for writing in place too.
        constexpr std::size_t kReaderHoldsThePage = std::size_t(-1); // no step is made to fail
        const auto stepOf = [&](const char* name) {
            return std::size_t(std::find(clean.Steps.begin(), clean.Steps.end(), name) - clean.Steps.begin());
        };
        for (const std::size_t refused :
             {stepOf("CreateUniqueFile"), stepOf(oneStep ? "Replace" : "Move"), kReaderHoldsThePage}) {
            if (refused == kReaderHoldsThePage && !previousPage)
                continue;
            const std::string step = (refused == kReaderHoldsThePage ? "a reader holding the page"
                                                                     : "refused step " + std::to_string(refused)) +
                                     " in setting " + std::to_string(setting);
            std::set<std::size_t> failing{refused}; // and then the step that opens the page for writing in place
            for (const bool refusedInPlace : {false, true}) {
                const auto before = Prepare(previousPage);
                const HANDLE held = refused != kReaderHoldsThePage
                                        ? INVALID_HANDLE_VALUE
                                        : CreateFileA(kPage.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                      nullptr, OPEN_EXISTING, 0, nullptr);
                StepFailingFiles files(oneStep, failing, ERROR_ACCESS_DENIED);
                std::string operation;
                const std::uint32_t code = Failed(files, &operation);
                CloseHandle(held);
                if (refusedInPlace)
                    CHECK_IN(step, code == ERROR_ACCESS_DENIED && operation == "OpenForWriting" && Folder() == before);
                else
                    CHECK_IN(step, code == 0 && Folder() == kReplaced);
                const auto opened = std::find(files.Steps.rbegin(), files.Steps.rend(), "OpenForWriting");
                failing.insert(std::size_t(files.Steps.rend() - opened - 1));
            }
        }
    }
}

// A read-only page is someone's wish to keep it: refused before anything is written.
TEST_CASE(AReadOnlyPageIsRefusedAndKept) {
    const auto before = Prepare(true);
    fs::permissions(kPage, fs::perms::owner_write, fs::perm_options::remove);
    StepFailingFiles files(true);
    CHECK(Failed(files) == ERROR_ACCESS_DENIED && Folder() == before);
    RemoveFolder();
}

} // namespace
} // namespace vurozud::test
