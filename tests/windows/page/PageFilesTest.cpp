// The desktop page written to real files, in a folder of its own under the system's temporary folder.

#include "DesktopPageFile.h"
#include "Failure.h"
#include "ReferencePageTransform.h"
#include "UniqueHandle.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vurozud {
namespace {

using namespace std::string_literals;

std::string ReadWholeFile(const std::string& path) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return "(cannot open " + path + ", error " + std::to_string(GetLastError()) + ")";
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read != 0)
        bytes.append(buffer, read);
    return bytes;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file) << path;
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ASSERT_EQ(written, bytes.size());
}

std::string LongTemplate() {
    std::string bytes = "<html>\r\n<body bgcolor=black>\r\n";
    for (int line = 0; bytes.size() < 3 * 1024 * 1024; ++line)
        bytes += "  <img src=\"ornament" + std::to_string(line) + ".gif\" width=800 height=600>\r\n";
    return bytes + "</body>\r\n</html>";
}

class DesktopPageFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temporary[MAX_PATH];
        ASSERT_NE(GetTempPathA(MAX_PATH, temporary), 0u);
        folder_ = std::string(temporary) + "pagetest" + std::to_string(GetCurrentProcessId()) + "\\";
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr)) << folder_;
        templatePath_ = folder_ + "bg1.htm";
        pagePath_ = folder_ + "bg2.htm";
    }

    void TearDown() override {
        for (const std::string& name : FileNames()) {
            const std::string path = folder_ + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
        RemoveDirectoryA(folder_.c_str());
    }

    std::set<std::string> FileNames() const {
        std::set<std::string> names;
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..")
                names.insert(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

    // Runs the page writing, which must fail; gives the failure's system error code.
    std::uint32_t FailingWrite(const std::string& templatePath, const std::string& pagePath) {
        try {
            ReplaceDesktopPage(SystemPageFiles(), templatePath, pagePath, "1024", "768");
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Kind(), FailureCodeKind::Win32Error);
            return failure.Code();
        }
        ADD_FAILURE() << "no failure";
        return ERROR_SUCCESS;
    }

    std::string folder_;
    std::string templatePath_;
    std::string pagePath_;
    const std::string oldPage_ = "\r\n<body width=640 height=480>\r\n";
    const std::set<std::string> templateAndPage_ = {"bg1.htm", "bg2.htm"};
};

TEST_F(DesktopPageFileTest, WritesThePageForTheTemplateOverThePreviousOne) {
    const std::string odd = "<body width=800 height=600>\rline\nwith LF\r\r\n\x1a\xff\0 WIDTH=800 HEIGHT=600"
                            "\r\nwidth=800  height=600 width=800 height=600"s;
    for (const std::string& templateBytes : {odd, LongTemplate(), std::string()}) {
        WriteWholeFile(templatePath_, templateBytes);
        WriteWholeFile(pagePath_, oldPage_);
        ReplaceDesktopPage(SystemPageFiles(), templatePath_, pagePath_, "819.2", "614.4");
        const std::string expected = reference::ReferencePageTransform(templateBytes, "819.2", "614.4");
        EXPECT_EQ(ReadWholeFile(pagePath_) == expected, true) << "page of " << templateBytes.size() << " bytes";
        EXPECT_EQ(FileNames(), templateAndPage_);

        // Once more over the page just written: the same bytes.
        ReplaceDesktopPage(SystemPageFiles(), templatePath_, pagePath_, "819.2", "614.4");
        EXPECT_EQ(ReadWholeFile(pagePath_) == expected, true);
        EXPECT_EQ(FileNames(), templateAndPage_);
    }
}

TEST_F(DesktopPageFileTest, CreatesThePageWhenThereIsNone) {
    WriteWholeFile(templatePath_, "<body width=800 height=600>");
    ReplaceDesktopPage(SystemPageFiles(), templatePath_, pagePath_, "1024", "768");
    EXPECT_EQ(ReadWholeFile(pagePath_), "\r\n<body width=1024 height=768>\r\n");
    EXPECT_EQ(FileNames(), templateAndPage_);
}

TEST_F(DesktopPageFileTest, WithoutATemplateFailsAndLeavesThePage) {
    WriteWholeFile(pagePath_, oldPage_);
    const std::uint32_t code = FailingWrite(templatePath_, pagePath_);
    EXPECT_TRUE(code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) << code;
    EXPECT_EQ(ReadWholeFile(pagePath_), oldPage_);
    EXPECT_EQ(FileNames(), std::set<std::string>{"bg2.htm"});

    EXPECT_EQ(FailingWrite(folder_ + "missing\\bg1.htm", pagePath_), static_cast<std::uint32_t>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(ReadWholeFile(pagePath_), oldPage_);
}

TEST_F(DesktopPageFileTest, AReadOnlyPageIsKeptAndNoTemporaryFileIsLeft) {
    WriteWholeFile(templatePath_, "<body width=800 height=600>");
    WriteWholeFile(pagePath_, oldPage_);
    ASSERT_TRUE(SetFileAttributesA(pagePath_.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(FailingWrite(templatePath_, pagePath_), static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(ReadWholeFile(pagePath_), oldPage_);
    EXPECT_EQ(FileNames(), templateAndPage_);
}

TEST_F(DesktopPageFileTest, APageHeldOpenUnsharedIsKeptAndNoTemporaryFileIsLeft) {
    WriteWholeFile(templatePath_, "<body width=800 height=600>");
    WriteWholeFile(pagePath_, oldPage_);
    {
        const UniqueFile holder(CreateFileA(pagePath_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(holder);
        EXPECT_NE(FailingWrite(templatePath_, pagePath_), static_cast<std::uint32_t>(ERROR_SUCCESS));
        EXPECT_EQ(FileNames(), templateAndPage_);
    }
    EXPECT_EQ(ReadWholeFile(pagePath_), oldPage_);
}

TEST_F(DesktopPageFileTest, WithoutThePagesFolderFails) {
    WriteWholeFile(templatePath_, "<body width=800 height=600>");
    EXPECT_NE(FailingWrite(templatePath_, folder_ + "missing\\bg2.htm"), static_cast<std::uint32_t>(ERROR_SUCCESS));
    EXPECT_EQ(FileNames(), std::set<std::string>{"bg1.htm"});
}

} // namespace
} // namespace vurozud
