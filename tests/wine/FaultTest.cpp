// Run when something in its way fails, through real clicks: every failure of the page or the
// wallpaper ends in the fatal error box and, after its OK, in a non-zero exit; the previous page
// survives whole, no temporary file is left in the install folder, and the shell state is
// rewritten only when the page was written first. A refused registry stops nothing.

#include "WineSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>

namespace vurozud::wine {
namespace {

const std::string kShellKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kShellStateHex = "1c00000063080000000000000000000000000000010000000a000000";
const std::string kEarlierShellStateHex = "0a0b0c0d";
const std::string kPagePath = "c:\\program files\\zodoraz\\bg2.htm";
const std::string kRun = "Run Vurozud Tree Desktop";

const std::string kTemplate = "<html>\r\n<body>\r\n<embed src=tree.svg width=800 height=600>\r\n</body>\r\n</html>\r\n";
const std::string kPageFor1024x768 =
    "\r\n<html>\r\n<body>\r\n<embed src=tree.svg width=1024 height=768>\r\n</body>\r\n</html>\r\n";
// Unlike anything the launcher writes, so that a page replaced even in part shows.
const std::string kOldPage = "<html><body>the page of an earlier run, 640 by 480</body></html>\r\n";

std::vector<std::string> WallpaperSequence() {
    return {"create", "options 8,2,0", "wallpaper \"" + kPagePath + "\",0", "apply 7", "release"};
}

// The fatal error box as the user sees it: its message and where its OK button is.
struct ErrorBox {
    std::string Message; // line breaks as the probe writes them: \r\n
    Rect OkButton{};
};

// True when the message names one of these error numbers in the standard form.
bool NamesErrorNumber(const std::string& message, const std::vector<std::string>& numbers) {
    return std::any_of(numbers.begin(), numbers.end(), [&](const std::string& number) {
        const std::string start = "Run-time error '" + number + "':\\r\\n\\r\\n";
        return message.rfind(start, 0) == 0 && message.size() > start.size();
    });
}

class RunFailure : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove(session_.JournalFile());
        std::filesystem::remove_all(session_.InstallFolder());
        WriteFile(session_.InstallFolder() / "bg1.htm", kTemplate);
        WriteFile(Page(), kOldPage);
        session_.SetBinaryRegistryValue(kShellKey, "ShellState", kEarlierShellStateHex);
        // Every case runs on the family whose Run touches the registry, so that its order shows.
        session_.SetLauncherWindowsVersion("win98");
    }

    void TearDown() override {
        held_.reset();
        if (keyDenied_) {
            EXPECT_EQ(session_.Probe({"regallow", kShellKey}).ExitCode, 0);
        }
        using std::filesystem::perms;
        if (std::filesystem::exists(Page()))
            std::filesystem::permissions(Page(), perms::owner_write, std::filesystem::perm_options::add);
        session_.SetLauncherWindowsVersion("winxp");
    }

    std::filesystem::path Page() { return session_.InstallFolder() / "bg2.htm"; }

    std::set<std::string> InstallFolderListing() {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(session_.InstallFolder()))
            names.insert(entry.path().filename().string());
        return names;
    }

    // The stand-in journals the release last; the command has finished when it is there.
    static std::vector<std::string> WaitForRelease() {
        std::vector<std::string> journal;
        for (int attempt = 0; attempt < 100 && (journal.empty() || journal.back() != "release"); ++attempt) {
            std::this_thread::sleep_for(100ms);
            journal = JournalLines();
        }
        return journal;
    }

    std::string ShellState() { return session_.RegistryValue(kShellKey, "ShellState")["data"]; }

    ErrorBox WaitForErrorBox(const LauncherProcess& launcher) {
        const WindowFacts box = session_.WaitForWindow("Menu");
        EXPECT_EQ(box["pid"], launcher.Window()["pid"]) << "the box is not the launcher's";
        ErrorBox seen;
        for (const ChildWindow& child : session_.Children("Menu")) {
            if (child.ClassName == "Button")
                seen.OkButton = child.Box;
            else if (child.ClassName == "Static")
                seen.Message += child.Text;
        }
        return seen;
    }

    // A real click on the box's OK: the launcher must then be gone, with a code that says it failed.
    void ConfirmAndExpectFailedExit(LauncherProcess& launcher, const ErrorBox& box) {
        ASSERT_GT(box.OkButton.Right, box.OkButton.Left) << "the error box has no OK button";
        EXPECT_TRUE(launcher.Running()) << "the launcher ended before its error was confirmed";
        session_.ClickAt((box.OkButton.Left + box.OkButton.Right) / 2, (box.OkButton.Top + box.OkButton.Bottom) / 2);
        const std::optional<int> exitCode = launcher.WaitForExit();
        ASSERT_TRUE(exitCode.has_value()) << "the launcher still runs after the error box's OK";
        EXPECT_EQ(*exitCode, 1); // the status of every fatal error
    }

    // The checks every failure of the page shares: the box, the earlier page whole, nothing left
    // over, and neither the registry nor the shell touched.
    void RunAndExpectPageFailure(const std::vector<std::string>& errorNumbers,
                                 const std::set<std::string>& expectedListing) {
        const bool hadPage = std::filesystem::exists(Page());
        LauncherProcess launcher;
        launcher.ClickCommand(kRun);
        const ErrorBox box = WaitForErrorBox(launcher);
        EXPECT_TRUE(NamesErrorNumber(box.Message, errorNumbers)) << box.Message;
        EXPECT_TRUE(JournalLines().empty());
        EXPECT_EQ(ShellState(), kEarlierShellStateHex);
        ConfirmAndExpectFailedExit(launcher, box);
        if (hadPage) {
            EXPECT_EQ(ReadFile(Page()), kOldPage);
        }
        if (std::filesystem::exists(session_.InstallFolder())) {
            EXPECT_EQ(InstallFolderListing(), expectedListing);
        } else {
            EXPECT_TRUE(expectedListing.empty());
        }
        EXPECT_TRUE(JournalLines().empty());
    }

    WineSession& session_ = WineSession::Get();
    std::unique_ptr<BackgroundProgram> held_;
    bool keyDenied_ = false;
};

TEST_F(RunFailure, AMissingTemplateEndsTheLauncherBeforeThePageOrTheRegistryIsTouched) {
    std::filesystem::remove(session_.InstallFolder() / "bg1.htm");
    RunAndExpectPageFailure({"2", "3"}, {"bg2.htm"});
}

TEST_F(RunFailure, AMissingTemplateWithNoEarlierPageCreatesNone) {
    std::filesystem::remove(session_.InstallFolder() / "bg1.htm");
    std::filesystem::remove(Page());
    RunAndExpectPageFailure({"2", "3"}, {});
}

TEST_F(RunFailure, AMissingInstallFolderEndsTheLauncherAndCreatesNothing) {
    std::filesystem::remove_all(session_.InstallFolder());
    RunAndExpectPageFailure({"3", "2"}, {});
    EXPECT_FALSE(std::filesystem::exists(session_.InstallFolder()));
}

TEST_F(RunFailure, AReadOnlyPageIsKeptAndTheLauncherEndsWithAccessDenied) {
    // Wine shows a file without write permission as read-only.
    std::filesystem::permissions(Page(), std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                             std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    ASSERT_EQ(session_.Probe({"open", kPagePath}).ExitCode, 0);
    RunAndExpectPageFailure({"5"}, {"bg1.htm", "bg2.htm"});
}

TEST_F(RunFailure, APageHeldOpenWithoutSharingIsKeptAndTheLauncherEnds) {
    held_ = std::make_unique<BackgroundProgram>(
        std::vector<std::string>{"wine", WINPROBE_EXE, "hold", kPagePath, "60"});
    // Held once a reader that shares everything is turned away with a sharing violation.
    std::string answer;
    for (int attempt = 0; attempt < 100 && answer != "error=32\n" && answer != "error=32\r\n"; ++attempt) {
        std::this_thread::sleep_for(100ms);
        answer = session_.Probe({"open", kPagePath}).Output;
    }
    ASSERT_TRUE(answer.rfind("error=32", 0) == 0) << "the page was never held: " << answer;
    RunAndExpectPageFailure({"32", "5"}, {"bg1.htm", "bg2.htm"});
}

// A file system of its own, just large enough for the template and the earlier page, mounted over
// the install folder for the one test.
class RunOnAFullDisk : public RunFailure {
protected:
    void SetUp() override {
        RunFailure::SetUp();
        const std::string folder = session_.InstallFolder().string();
        if (RunProgram({"mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}).ExitCode != 0)
            GTEST_SKIP() << "cannot mount a small file system here (mount needs root)";
        mounted_ = true;
        // 40 000 bytes of template fit once, not twice, in 64 KiB.
        std::string bigTemplate = "<html>\r\n<embed width=800 height=600>\r\n";
        while (bigTemplate.size() < 40000)
            bigTemplate += "<p>an ornament, a light, a toy on the tree</p>\r\n";
        WriteFile(session_.InstallFolder() / "bg1.htm", bigTemplate);
        WriteFile(Page(), kOldPage);
    }

    void TearDown() override {
        RunFailure::TearDown();
        if (mounted_ && RunProgram({"umount", session_.InstallFolder().string()}).ExitCode != 0)
            RunProgram({"umount", "-l", session_.InstallFolder().string()});
    }

    bool mounted_ = false;
};

TEST_F(RunOnAFullDisk, AWriteThatRunsOutOfSpaceKeepsTheEarlierPageAndLeavesNoPartialFile) {
    RunAndExpectPageFailure({"112"}, {"bg1.htm", "bg2.htm"});
}

// The shell state is rewritten before the wallpaper is touched; a refused rewrite is ignored.
TEST_F(RunFailure, ARegistryThatRefusesWritesStopsNothing) {
    ASSERT_EQ(session_.Probe({"regdeny", kShellKey}).ExitCode, 0);
    keyDenied_ = true;
    // Proof that Wine holds to the refusal, before relying on it.
    ASSERT_NE(session_.Wine({"reg", "add", "HKCU\\" + kShellKey, "/v", "Probe", "/d", "x", "/f"}).ExitCode, 0);
    LauncherProcess launcher;
    launcher.ClickCommand(kRun);
    EXPECT_EQ(WaitForRelease(), WallpaperSequence());
    EXPECT_EQ(session_.CountWindows("Menu"), 0);
    EXPECT_TRUE(launcher.Running());
    EXPECT_EQ(ShellState(), kEarlierShellStateHex);
    EXPECT_EQ(ReadFile(Page()), kPageFor1024x768);
}

TEST_F(RunFailure, AShellStateOfAnotherTypeIsReplacedByTheBinaryRecord) {
    session_.DeleteRegistryValue(kShellKey, "ShellState");
    session_.Wine({"reg", "add", "HKCU\\" + kShellKey, "/v", "ShellState", "/t", "REG_SZ", "/d", "not a record", "/f"});
    ASSERT_EQ(session_.RegistryValue(kShellKey, "ShellState")["type"], "1");
    LauncherProcess launcher;
    launcher.ClickCommand(kRun);
    const std::vector<std::string> journal = WaitForRelease();
    EXPECT_EQ(journal, WallpaperSequence());
    EXPECT_EQ(session_.CountWindows("Menu"), 0);
    auto value = session_.RegistryValue(kShellKey, "ShellState");
    EXPECT_EQ(value["type"], "3");
    EXPECT_EQ(value["data"], kShellStateHex);
}

// One failing step of the shell's wallpaper calls: what to inject, the box's error number, the journal.
struct WallpaperFault {
    const char* Name;
    const char* Injected;
    const char* ErrorNumber;
    std::vector<std::string> Journal;
};

class FailingWallpaperStep : public RunFailure, public ::testing::WithParamInterface<WallpaperFault> {};

TEST_P(FailingWallpaperStep, EndsTheLauncherAfterThePageAndTheShellStateAreWritten) {
    const WallpaperFault& fault = GetParam();
    LauncherProcess launcher({std::string("ACTIVE_DESKTOP_FAIL=") + fault.Injected});
    launcher.ClickCommand(kRun);
    const ErrorBox box = WaitForErrorBox(launcher);
    EXPECT_TRUE(NamesErrorNumber(box.Message, {fault.ErrorNumber})) << box.Message;
    EXPECT_EQ(JournalLines(), fault.Journal);
    EXPECT_EQ(ReadFile(Page()), kPageFor1024x768);
    EXPECT_EQ(ShellState(), kShellStateHex);
    ConfirmAndExpectFailedExit(launcher, box);
    EXPECT_EQ(JournalLines(), fault.Journal);
    EXPECT_EQ(InstallFolderListing(), (std::set<std::string>{"bg1.htm", "bg2.htm"}));
}

const std::string kWallpaperLine = "wallpaper \"" + kPagePath + "\",0";

INSTANTIATE_TEST_SUITE_P(
    Steps, FailingWallpaperStep,
    ::testing::Values(
        WallpaperFault{"NoActiveDesktop", "CreateInstance", "-2147221231 (80040111)", {"create -> 80040111"}},
        WallpaperFault{"Options", "SetWallpaperOptions", "-2147467259 (80004005)",
                       {"create", "options 8,2,0 -> 80004005", "release"}},
        WallpaperFault{"Wallpaper", "SetWallpaper", "-2147467259 (80004005)",
                       {"create", "options 8,2,0", kWallpaperLine + " -> 80004005", "release"}},
        WallpaperFault{"Apply", "ApplyChanges", "-2147467259 (80004005)",
                       {"create", "options 8,2,0", kWallpaperLine, "apply 7 -> 80004005", "release"}}),
    [](const ::testing::TestParamInfo<WallpaperFault>& info) { return std::string(info.param.Name); });

} // namespace
} // namespace vurozud::wine
