// Run and Close through real clicks: the page written for the screen, the shell state on the
// Windows 95 family, and the wallpaper calls in the order the shell needs them.

#include "WineSession.h"

#include <gtest/gtest.h>

#include <thread>

namespace vurozud::wine {
namespace {

const std::string kShellKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kShellStateHex = "1c00000063080000000000000000000000000000010000000a000000";

const std::string kTemplate = "<html>\r\n"
                              "<body>\r\n"
                              "  <embed src=tree.svg width=800 height=600 name=tree>\r\n"
                              "  <img WIDTH=800 HEIGHT=600><img width=800  height=600>\r\n"
                              "</body>\n"
                              "</html>";
const std::string kPageFor1024x768 = "\r\n"
                                     "<html>\r\n"
                                     "<body>\r\n"
                                     "  <embed src=tree.svg width=1024 height=768 name=tree>\r\n"
                                     "  <img WIDTH=800 HEIGHT=600><img width=800  height=600>\r\n"
                                     "</body>\n"
                                     "</html>\r\n";

std::vector<std::string> WallpaperSequence(const std::string& path) {
    return {"create", "options 8,2,0", "wallpaper \"" + path + "\",0", "apply 7", "release"};
}
const std::string kPagePath = "c:\\program files\\zodoraz\\bg2.htm";

std::vector<std::string> Concatenated(std::vector<std::string> first, const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class RunCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove(session_.JournalFile());
        std::filesystem::remove(Page());
        WriteFile(session_.InstallFolder() / "bg1.htm", kTemplate);
        session_.DeleteRegistryValue(kShellKey, "ShellState");
    }
    void TearDown() override { session_.SetLauncherWindowsVersion("winxp"); }

    std::filesystem::path Page() { return session_.InstallFolder() / "bg2.htm"; }

    // The stand-in journals the release last; the command has finished when it is there.
    std::vector<std::string> WaitForJournal(std::size_t lines) {
        std::vector<std::string> journal;
        for (int attempt = 0; attempt < 100; ++attempt) {
            journal = JournalLines();
            if (journal.size() >= lines && journal.back() == "release")
                break;
            std::this_thread::sleep_for(100ms);
        }
        return journal;
    }

    WineSession& session_ = WineSession::Get();
};

TEST_F(RunCommand, CloseWithoutRunTakesTheWallpaperDownAndEndsTheProgram) {
    LauncherProcess launcher;
    launcher.ClickCommand("Close Vurozud Tree Desktop");
    EXPECT_EQ(launcher.WaitForExit(), 0);
    EXPECT_EQ(JournalLines(), WallpaperSequence(""));
    EXPECT_FALSE(std::filesystem::exists(Page()));
}

TEST_F(RunCommand, AFailingWallpaperCallEndsTheProgramWithTheFatalErrorBox) {
    LauncherProcess launcher({"ACTIVE_DESKTOP_FAIL=SetWallpaper"});
    launcher.ClickCommand("Close Vurozud Tree Desktop");
    session_.WaitForWindow("Menu");
    std::string message;
    Rect okButton{};
    for (const ChildWindow& child : session_.Children("Menu")) {
        if (child.ClassName == "Button")
            okButton = child.Box;
        else if (child.ClassName == "Static")
            message += child.Text;
    }
    EXPECT_EQ(message.rfind("Run-time error '-2147467259 (80004005)':\\r\\n\\r\\n", 0), 0u) << message;
    EXPECT_EQ(JournalLines(), (std::vector<std::string>{"create", "options 8,2,0", "wallpaper \"\",0 -> 80004005",
                                                        "release"}));
    session_.ClickAt((okButton.Left + okButton.Right) / 2, (okButton.Top + okButton.Bottom) / 2);
    EXPECT_NE(launcher.WaitForExit(), std::optional<int>(0));
    EXPECT_FALSE(launcher.Running());
}

class RunOnThe95Family : public RunCommand, public ::testing::WithParamInterface<const char*> {};

TEST_P(RunOnThe95Family, RewritesTheShellStateThenSetsThePageAsWallpaper) {
    session_.SetLauncherWindowsVersion(GetParam());
    LauncherProcess launcher;
    launcher.ClickCommand("Run Vurozud Tree Desktop");
    EXPECT_EQ(WaitForJournal(5), WallpaperSequence(kPagePath));
    auto value = session_.RegistryValue(kShellKey, "ShellState");
    EXPECT_EQ(value["type"], "3");
    EXPECT_EQ(value["count"], "28");
    EXPECT_EQ(value["data"], kShellStateHex);
    EXPECT_EQ(ReadFile(Page()), kPageFor1024x768);
}

TEST_P(RunOnThe95Family, ReplacesAnEarlierShellStateWhole) {
    session_.SetLauncherWindowsVersion(GetParam());
    session_.SetBinaryRegistryValue(kShellKey, "ShellState", "2400000037a8000000000000000000000000000001000000130000000000000062000000");
    LauncherProcess launcher;
    launcher.ClickCommand("Run Vurozud Tree Desktop");
    WaitForJournal(5);
    auto value = session_.RegistryValue(kShellKey, "ShellState");
    EXPECT_EQ(value["count"], "28");
    EXPECT_EQ(value["data"], kShellStateHex);
}

INSTANTIATE_TEST_SUITE_P(Editions, RunOnThe95Family, ::testing::Values("win95", "win98", "winme"));

class RunOnTheNtFamily : public RunCommand, public ::testing::WithParamInterface<const char*> {};

TEST_P(RunOnTheNtFamily, NeverTouchesTheRegistry) {
    session_.SetLauncherWindowsVersion(GetParam());
    session_.SetBinaryRegistryValue(kShellKey, "ShellState", "0a0b0c");
    LauncherProcess launcher;
    launcher.ClickCommand("Run Vurozud Tree Desktop");
    EXPECT_EQ(WaitForJournal(5), WallpaperSequence(kPagePath));
    EXPECT_EQ(session_.RegistryValue(kShellKey, "ShellState")["data"], "0a0b0c");
    EXPECT_EQ(ReadFile(Page()), kPageFor1024x768);
}

INSTANTIATE_TEST_SUITE_P(Editions, RunOnTheNtFamily, ::testing::Values("nt40", "win2k", "winxp", "win7"));

TEST_F(RunCommand, RunTwiceWritesTheSamePageAndSetsTheWallpaperTwice) {
    session_.SetLauncherWindowsVersion("win98");
    LauncherProcess launcher;
    launcher.ClickCommand("Run Vurozud Tree Desktop");
    WaitForJournal(5);
    const std::string first = ReadFile(Page());
    launcher.ClickCommand("Run Vurozud Tree Desktop");
    EXPECT_EQ(WaitForJournal(10), Concatenated(WallpaperSequence(kPagePath), WallpaperSequence(kPagePath)));
    EXPECT_EQ(ReadFile(Page()), first);
    EXPECT_EQ(first, kPageFor1024x768);
    EXPECT_EQ(session_.RegistryValue(kShellKey, "ShellState")["data"], kShellStateHex);
}

TEST_F(RunCommand, RunThenCloseLeavesThePageAndShellStateAndTakesTheWallpaperDown) {
    session_.SetLauncherWindowsVersion("winme");
    LauncherProcess launcher;
    launcher.ClickCommand("Run Vurozud Tree Desktop");
    WaitForJournal(5);
    launcher.ClickCommand("Close Vurozud Tree Desktop");
    EXPECT_EQ(launcher.WaitForExit(), 0);
    EXPECT_EQ(JournalLines(), Concatenated(WallpaperSequence(kPagePath), WallpaperSequence("")));
    EXPECT_EQ(ReadFile(Page()), kPageFor1024x768);
    EXPECT_EQ(session_.RegistryValue(kShellKey, "ShellState")["data"], kShellStateHex);
}

} // namespace
} // namespace vurozud::wine
