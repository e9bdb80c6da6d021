#include "FakePageFileSystem.h"
#include "PageReplacement.h"
#include "ReferencePageTransform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace vurozud {
namespace {

using reference::FakePageFileSystem;

const std::string kFolder = "c:\\program files\\zodoraz\\";
const std::string kTemplate = kFolder + "bg1.htm";
const std::string kPage = kFolder + "bg2.htm";
const std::string kOldPage = "\r\n<body width=640 height=480>\r\n";

// A template of several reads and several writes, so that failures can strike in the middle of the page.
std::string LongTemplate() {
    std::string bytes;
    for (int line = 0; line < 20000; ++line)
        bytes += "<img src=\"star" + std::to_string(line) + ".gif\" width=800 height=600>\r\n";
    return bytes;
}

const std::string kTemplateBytes = LongTemplate();
const std::string kNewPage = reference::ReferencePageTransform(kTemplateBytes, "1024", "768");

struct Setting {
    const char* name;
    bool hasOneStepReplace;
    bool hasPreviousPage;
};

constexpr Setting kSettings[] = {
    {"one-step replace, previous page", true, true},
    {"one-step replace, no previous page", true, false},
    {"no one-step replace, previous page", false, true},
    {"no one-step replace, no previous page", false, false},
};

FakePageFileSystem MakeFiles(const Setting& setting) {
    FakePageFileSystem files;
    files.folders = {kFolder};
    files.files[kTemplate] = kTemplateBytes;
    if (setting.hasPreviousPage)
        files.files[kPage] = kOldPage;
    files.hasOneStepReplace = setting.hasOneStepReplace;
    return files;
}

void Replace(FakePageFileSystem& files) { ReplaceDesktopPage(files, kTemplate, kPage, "1024", "768"); }

// The files by name, each content told by what it is, so that a failed comparison reads well.
std::map<std::string, std::string> Contents(const FakePageFileSystem& files) {
    std::map<std::string, std::string> contents;
    for (const auto& [path, bytes] : files.files) {
        contents[path] = bytes == kTemplateBytes ? "the template"
                         : bytes == kNewPage     ? "the new page"
                         : bytes == kOldPage     ? "the old page"
                                                 : std::to_string(bytes.size()) + " other bytes";
    }
    return contents;
}

std::map<std::string, std::string> OnlyTemplateAnd(const std::string& page) {
    return {{kTemplate, "the template"}, {kPage, page}};
}

TEST(PageReplacementTest, WritesExactlyTheTransformedPageAndNothingElse) {
    for (const Setting& setting : kSettings) {
        SCOPED_TRACE(setting.name);
        FakePageFileSystem files = MakeFiles(setting);
        Replace(files);
        EXPECT_EQ(Contents(files), OnlyTemplateAnd("the new page"));
        EXPECT_EQ(files.OpenFiles(), 0u);

        // Again over the page just written: the same bytes, not appended to.
        Replace(files);
        EXPECT_EQ(Contents(files), OnlyTemplateAnd("the new page"));
    }
}

TEST(PageReplacementTest, FlushesTheNewPageBeforeItTakesThePagesPlace) {
    FakePageFileSystem files = MakeFiles(kSettings[0]);
    Replace(files);
    const auto commit = std::find(files.steps.begin(), files.steps.end(), "Commit");
    const auto replace = std::find(files.steps.begin(), files.steps.end(), "Replace");
    EXPECT_LT(commit, replace);
    EXPECT_EQ(std::count(files.steps.begin(), files.steps.end(), "Replace"), 1);
}

TEST(PageReplacementTest, WithoutATemplateTouchesNothing) {
    for (const Setting& setting : kSettings) {
        SCOPED_TRACE(setting.name);
        FakePageFileSystem files = MakeFiles(setting);
        files.files.erase(kTemplate);
        const auto before = Contents(files);
        try {
            Replace(files);
            ADD_FAILURE() << "no failure";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Code(), kErrorFileNotFound);
        }
        EXPECT_EQ(Contents(files), before);
        EXPECT_EQ(files.steps, std::vector<std::string>{"OpenForReading"});
    }
}

TEST(PageReplacementTest, WithoutThePagesFolderFailsAndCreatesNothing) {
    FakePageFileSystem files = MakeFiles(kSettings[1]);
    files.folders.clear();
    files.folders.insert("c:\\templates\\");
    files.files = {{"c:\\templates\\bg1.htm", kTemplateBytes}};
    try {
        ReplaceDesktopPage(files, "c:\\templates\\bg1.htm", kPage, "1024", "768");
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Code(), reference::kErrorPathNotFound);
    }
    EXPECT_EQ(files.files.size(), 1u);
}

// The heart of it: whichever single step fails, the failure is the one reported, the previous page is whole,
// no file of ours is left and every file is closed. Only the clearing away of the old page after the new one
// is in place may fail without being reported: the page is right then, and the old copy harms nothing.
TEST(PageReplacementTest, AFailureAtAnyStepKeepsThePreviousPageAndLeavesNothingBehind) {
    for (const Setting& setting : kSettings) {
        FakePageFileSystem clean = MakeFiles(setting);
        Replace(clean);
        const std::vector<std::string> steps = clean.steps;
        ASSERT_GT(steps.size(), 10u); // several reads and writes

        for (std::size_t failing = 0; failing < steps.size(); ++failing) {
            SCOPED_TRACE(std::string(setting.name) + ", failing step " + std::to_string(failing) + " " +
                         steps[failing]);
            FakePageFileSystem files = MakeFiles(setting);
            files.failingSteps = {failing};
            const auto before = Contents(files);
            const bool clearingAway = !setting.hasOneStepReplace && failing + 1 == steps.size();
            try {
                Replace(files);
                ASSERT_TRUE(clearingAway) << "no failure";
                EXPECT_EQ(Contents(files).at(kPage), "the new page");
                EXPECT_EQ(files.files.size(), 3u);
            } catch (const Failure& failure) {
                EXPECT_EQ(failure.Code(), reference::kErrorDiskFull);
                EXPECT_EQ(failure.Operation(), steps[failing]);
                EXPECT_EQ(Contents(files), before);
            }
            EXPECT_EQ(files.OpenFiles(), 0u);
        }
    }
}

TEST(PageReplacementTest, AFailedReadOrWriteMidwayKeepsThePreviousPage) {
    FakePageFileSystem clean = MakeFiles(kSettings[0]);
    Replace(clean);
    for (const std::string operation : {"Read", "Write"}) {
        SCOPED_TRACE(operation);
        std::vector<std::size_t> occurrences;
        for (std::size_t step = 0; step < clean.steps.size(); ++step)
            if (clean.steps[step] == operation)
                occurrences.push_back(step);
        ASSERT_GE(occurrences.size(), 3u);

        FakePageFileSystem files = MakeFiles(kSettings[0]);
        files.failingSteps = {occurrences[occurrences.size() / 2]};
        EXPECT_THROW(Replace(files), Failure);
        EXPECT_EQ(Contents(files), OnlyTemplateAnd("the old page"));
    }
}

TEST(PageReplacementTest, WithoutOneStepReplaceAFailedMoveInPutsTheOldPageBack) {
    FakePageFileSystem clean = MakeFiles(kSettings[2]);
    Replace(clean);
    // The steps end: move the page aside, move the new one in, delete the old one.
    const std::size_t moveIn = clean.steps.size() - 2;
    ASSERT_EQ(clean.steps[moveIn], "Move");
    ASSERT_EQ(clean.steps[moveIn - 1], "Move");

    FakePageFileSystem files = MakeFiles(kSettings[2]);
    files.failingSteps = {moveIn};
    EXPECT_THROW(Replace(files), Failure);
    EXPECT_EQ(Contents(files), OnlyTemplateAnd("the old page"));

    // Should putting it back fail as well, the old page stays whole under its aside name, and the failure
    // of the move in is the one reported.
    FakePageFileSystem worse = MakeFiles(kSettings[2]);
    worse.failingSteps = {moveIn, moveIn + 1};
    try {
        Replace(worse);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Operation(), "Move");
        EXPECT_EQ(worse.steps[moveIn + 1], "Move");
    }
    auto left = Contents(worse);
    left.erase(kTemplate);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_NE(left.begin()->first, kPage);
    EXPECT_EQ(left.begin()->second, "the old page");
    EXPECT_EQ(worse.OpenFiles(), 0u);
}

TEST(PageReplacementTest, KeepsThePreviousPageWhenItCannotBeReplaced) {
    // The page held open by someone else: the one-step replacement is refused.
    FakePageFileSystem files = MakeFiles(kSettings[0]);
    auto holder = files.OpenForReading(kPage);
    files.steps.clear();
    try {
        Replace(files);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Code(), reference::kErrorSharingViolation);
        EXPECT_EQ(failure.Operation(), "Replace");
    }
    EXPECT_EQ(Contents(files), OnlyTemplateAnd("the old page"));

    // And where the page must be moved aside instead, the move aside is refused.
    FakePageFileSystem old = MakeFiles(kSettings[2]);
    auto oldHolder = old.OpenForReading(kPage);
    EXPECT_THROW(Replace(old), Failure);
    EXPECT_EQ(Contents(old), OnlyTemplateAnd("the old page"));
}

TEST(PageReplacementTest, RefusesAReadOnlyPageBeforeWritingAnything) {
    for (const Setting& setting : {kSettings[0], kSettings[2]}) {
        FakePageFileSystem files = MakeFiles(setting);
        files.readOnly = {kPage};
        try {
            Replace(files);
            ADD_FAILURE() << setting.name << ": no failure";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Code(), kErrorAccessDenied) << setting.name;
        }
        EXPECT_EQ(Contents(files), OnlyTemplateAnd("the old page")) << setting.name;
        EXPECT_EQ(files.OpenFiles(), 0u) << setting.name;
    }
}

} // namespace
} // namespace vurozud
