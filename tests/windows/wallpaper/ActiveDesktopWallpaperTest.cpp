// The wallpaper operation as the shell sees it: the stand-in Active Desktop journals every call it
// receives, and fails on request.

#include "ActiveDesktop.h"
#include "ComInitialization.h"
#include "Failure.h"
#include "StandInJournal.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vurozud {
namespace {

constexpr std::uint32_t kFail = 0x80004005;                  // E_FAIL
constexpr std::uint32_t kInvalidArgument = 0x80070057;       // E_INVALIDARG
constexpr std::uint32_t kAccessDenied = 0x80070005;          // E_ACCESSDENIED
constexpr std::uint32_t kClassNotAvailable = 0x80040111;     // CLASS_E_CLASSNOTAVAILABLE
constexpr std::int32_t kStretched = 2;

const std::u16string kPage = u"c:\\program files\\zodoraz\\bg2.htm";

// Runs the operation and gives back the Failure it threw, if any.
std::optional<Failure> FailureOf(std::u16string_view path, std::int32_t style) {
    try {
        ApplyActiveDesktopWallpaper(path, style);
    } catch (const Failure& failure) {
        return failure;
    }
    return std::nullopt;
}

class ActiveDesktopWallpaper : public testing::Test {
protected:
    ComInitialization com_;
    test::StandInJournal journal_;
};

TEST_F(ActiveDesktopWallpaper, SetsStyleThenWallpaperThenAppliesAll) {
    ApplyActiveDesktopWallpaper(kPage, kStretched);
    EXPECT_EQ(journal_.Text(), "create\n"
                               "options 8,2,0\n"
                               "wallpaper \"c:\\program files\\zodoraz\\bg2.htm\",0\n"
                               "apply 7\n"
                               "release\n");
}

TEST_F(ActiveDesktopWallpaper, EmptyPathTakesTheWallpaperDownAndApplies) {
    ApplyActiveDesktopWallpaper(u"", kStretched);
    EXPECT_EQ(journal_.Text(), "create\noptions 8,2,0\nwallpaper \"\",0\napply 7\nrelease\n");
}

TEST_F(ActiveDesktopWallpaper, PathReachesTheShellAsWideTextUnchanged) {
    // Characters outside any ANSI code page survive only if the path stays UTF-16 all the way.
    ApplyActiveDesktopWallpaper(u"C:\\Dat\u00e9n\\\u0434\u043e\u043c \u6587\\ bg2.HTM ", 0);
    EXPECT_EQ(journal_.Text(), "create\noptions 8,0,0\n"
                               "wallpaper \"C:\\Dat\xc3\xa9n\\\xd0\xb4\xd0\xbe\xd0\xbc \xe6\x96\x87\\ bg2.HTM \",0\n"
                               "apply 7\nrelease\n");
}

TEST_F(ActiveDesktopWallpaper, EachCallUsesItsOwnObjectAndTheLastSettingsWin) {
    ApplyActiveDesktopWallpaper(u"c:\\first.htm", 1);
    ApplyActiveDesktopWallpaper(kPage, kStretched);
    EXPECT_EQ(journal_.Text(), "create\noptions 8,1,0\nwallpaper \"c:\\first.htm\",0\napply 7\nrelease\n"
                               "create\noptions 8,2,0\n"
                               "wallpaper \"c:\\program files\\zodoraz\\bg2.htm\",0\napply 7\nrelease\n");
}

TEST_F(ActiveDesktopWallpaper, StyleTheShellRejectsStopsBeforeTheWallpaper) {
    const auto failure = FailureOf(kPage, 3);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Kind(), FailureCodeKind::Hresult);
    EXPECT_EQ(failure->Code(), kInvalidArgument);
    EXPECT_EQ(failure->Operation(), "SetWallpaperOptions");
    EXPECT_EQ(journal_.Text(), "create\noptions 8,3,0 -> 80070057\nrelease\n");
}

TEST_F(ActiveDesktopWallpaper, ObjectThatCannotBeCreatedThrows) {
    const test::ScopedEnvironmentVariable fail(L"ACTIVE_DESKTOP_FAIL", L"CreateInstance");
    const auto failure = FailureOf(kPage, kStretched);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Kind(), FailureCodeKind::Hresult);
    EXPECT_EQ(failure->Code(), kClassNotAvailable);
    EXPECT_EQ(failure->Operation(), "CoCreateInstance");
    EXPECT_EQ(journal_.Text(), "create -> 80040111\n");
}

struct FailingStep {
    const char* name;           // of the test case
    const wchar_t* setting;     // ACTIVE_DESKTOP_FAIL
    const char* operation;      // the step the Failure must name
    std::uint32_t code;         // and its code
    const char* journal;        // everything the shell saw
};

void PrintTo(const FailingStep& step, std::ostream* out) {
    *out << step.name;
}

class ActiveDesktopWallpaperFailure : public ActiveDesktopWallpaper,
                                      public testing::WithParamInterface<FailingStep> {};

TEST_P(ActiveDesktopWallpaperFailure, ThrowsWithTheStepAndItsCodeAndRunsNoLaterStep) {
    const FailingStep& step = GetParam();
    const test::ScopedEnvironmentVariable fail(L"ACTIVE_DESKTOP_FAIL", step.setting);
    const auto failure = FailureOf(kPage, kStretched);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Kind(), FailureCodeKind::Hresult);
    EXPECT_EQ(failure->Code(), step.code);
    EXPECT_EQ(failure->Operation(), step.operation);
    EXPECT_EQ(journal_.Text(), step.journal);
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, ActiveDesktopWallpaperFailure,
    testing::Values(
        FailingStep{"SetWallpaperOptions", L"SetWallpaperOptions", "SetWallpaperOptions", kFail,
                    "create\noptions 8,2,0 -> 80004005\nrelease\n"},
        FailingStep{"SetWallpaper", L"SetWallpaper", "SetWallpaper", kFail,
                    "create\noptions 8,2,0\n"
                    "wallpaper \"c:\\program files\\zodoraz\\bg2.htm\",0 -> 80004005\nrelease\n"},
        FailingStep{"ApplyChanges", L"ApplyChanges", "ApplyChanges", kFail,
                    "create\noptions 8,2,0\nwallpaper \"c:\\program files\\zodoraz\\bg2.htm\",0\n"
                    "apply 7 -> 80004005\nrelease\n"},
        FailingStep{"SetWallpaperWithChosenCode", L"SetWallpaper=0x80070005", "SetWallpaper", kAccessDenied,
                    "create\noptions 8,2,0\n"
                    "wallpaper \"c:\\program files\\zodoraz\\bg2.htm\",0 -> 80070005\nrelease\n"},
        FailingStep{"CreateInstanceWithChosenCode", L"CreateInstance=0x8007000E", "CoCreateInstance", 0x8007000E,
                    "create -> 8007000E\n"}),
    [](const testing::TestParamInfo<FailingStep>& info) { return std::string(info.param.name); });

} // namespace
} // namespace vurozud
