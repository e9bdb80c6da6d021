#include "FakePageFileSystem.h"
#include "PageReplacement.h"
#include "PageStreams.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vurozud::test {
namespace {

const std::string kFolder = "c:\\program files\\zodoraz\\";
const std::string kTemplate = kFolder + "bg1.htm";
const std::string kPage = kFolder + "bg2.htm";

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

// Settings 0 and 1 replace in one step, 2 and 3 (the 95 family) do not; 0 and 2 have a previous page.
FakePageFileSystem Files(int setting) {
    FakePageFileSystem files;
    files.files[kTemplate] = kTemplateBytes;
    if (setting % 2 == 0)
        files.files[kPage] = kOldPage;
    files.hasOneStepReplace = setting < 2;
    return files;
}

// The code of the failure the replacement reports, and its operation; 0 when it worked.
std::uint32_t Failed(FakePageFileSystem& files, std::string* operation = nullptr) {
    const MaybeFailure failure = ReplaceDesktopPage(files, kTemplate, kPage, "1024", "768");
    if (failure && operation)
        *operation = failure->Operation();
    return failure ? failure->Code() : 0;
}

// Without a failure the transformed page is in place, and nothing else is left open or on disk. Whichever single
// step fails, that failure is reported, the previous page is whole, no file of ours is left and every file is
// closed (so the page is flushed before it takes the old one's place); only clearing the old page away once the
// new one is in place may fail unreported.
// Where the system refuses what only the safe replacement needs (a new file in the folder, or moving or replacing
// the page: no right to, or a reader holding the page without sharing its deletion), the page is written in
// place, and nothing else is left. A failure of that writing is the one reported.
TEST(PageReplacement, AFailureKeepsThePreviousPageAndARefusalWritesThePageInPlace) {
    for (int setting = 0; setting < 4; ++setting) {
        FakePageFileSystem clean = Files(setting);
        ASSERT_EQ(Failed(clean), 0u);
        EXPECT_TRUE(clean.files.size() == 2 && clean.files.at(kPage) == kNewPage && clean.openFiles.empty());
        ASSERT_GT(std::count(clean.steps.begin(), clean.steps.end(), "Write"), 1);
        for (std::size_t failing = 0; failing < clean.steps.size(); ++failing) {
            SCOPED_TRACE(clean.steps[failing] + " (step " + std::to_string(failing) + ") in setting " +
                         std::to_string(setting));
            FakePageFileSystem files = Files(setting);
            files.failingSteps = {failing};
            const auto before = files.files;
            std::string operation;
            const std::uint32_t code = Failed(files, &operation);
            if (code == 0) {
                ASSERT_TRUE(setting >= 2 && failing + 1 == clean.steps.size()) << "no failure";
                EXPECT_EQ(files.files.at(kPage), kNewPage);
                EXPECT_EQ(files.files.size(), 3u);
            } else {
                EXPECT_EQ(code, kErrorDiskFull);
                EXPECT_EQ(operation, clean.steps[failing]);
                EXPECT_TRUE(files.files == before);
            }
            EXPECT_EQ(files.openFiles.size(), 0u);
        }

        const auto stepOf = [&](const char* name) {
            return std::size_t(std::find(clean.steps.begin(), clean.steps.end(), name) - clean.steps.begin());
        };
        // A step refused with access denied, or (SIZE_MAX: none) a reader sharing the page for reading and writing
        // only. The same refusal once more, with the writing in place failing too.
        for (const std::size_t refused :
             {stepOf("CreateUniqueFile"), stepOf(setting < 2 ? "Replace" : "Move"), SIZE_MAX}) {
            if (refused == SIZE_MAX && setting % 2 == 1)
                continue;
            SCOPED_TRACE("refused step " + std::to_string(refused) + " in setting " + std::to_string(setting));
            FakePageFileSystem files = Files(setting), failing = Files(setting);
            for (FakePageFileSystem* each : {&files, &failing}) {
                each->failureCode = kErrorAccessDenied;
                each->failingSteps = {refused};
                if (refused == SIZE_MAX)
                    each->heldByReader = {kPage};
            }
            EXPECT_EQ(Failed(files), 0u);
            EXPECT_TRUE(files.files.size() == 2 && files.files.at(kPage) == kNewPage && files.openFiles.empty());

            failing.failingSteps.insert(files.steps.size() - 1); // the page written in place is not flushed
            std::string operation;
            EXPECT_EQ(Failed(failing, &operation), kErrorAccessDenied);
            EXPECT_EQ(operation, "Commit");
            EXPECT_TRUE(failing.files.size() == 2 && failing.openFiles.empty());
        }
    }
}

// Moving the new page in fails, and so does putting the old one back: the old page stays whole under its
// aside name.
TEST(PageReplacement, WhenNeitherMoveWorksTheOldPageSurvivesAside) {
    FakePageFileSystem files = Files(2), clean = Files(2);
    ASSERT_EQ(Failed(clean), 0u);
    files.failingSteps = {clean.steps.size() - 2, clean.steps.size() - 1}; // in, and back (not: delete aside)
    EXPECT_EQ(Failed(files), kErrorDiskFull);
    EXPECT_EQ(files.steps.at(clean.steps.size() - 1), "Move");
    files.files.erase(kTemplate);
    ASSERT_EQ(files.files.size(), 1u);
    EXPECT_TRUE(files.files.begin()->first != kPage && files.files.begin()->second == kOldPage);
}

} // namespace
} // namespace vurozud::test
