// Run, Close and Exit through real clicks on both families of Windows editions: the page, the shell state on the
// Windows 95 family only, the wallpaper calls in order; and every failure ending in the fatal error box.

#include "Layout.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

const std::string kShellKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kRecord = "1C00000063080000000000000000000000000000010000000A000000";
const std::string kEarlierRecord = "2400000037A8000000000000000000000000000001000000130000000000000062000000";
const std::string kPage = "c:\\program files\\zodoraz\\bg2.htm";
const std::string kTemplate = "<html>\r\n  <embed src=tree.svg width=800 height=600 name=tree>\r\n"
                              "  <img WIDTH=800 HEIGHT=600><img width=800  height=600>\r\n</body>\n</html>";
const std::string kPageFor1024x768 = "\r\n<html>\r\n  <embed src=tree.svg width=1024 height=768 name=tree>\r\n"
                                     "  <img WIDTH=800 HEIGHT=600><img width=800  height=600>\r\n</body>\n</html>\r\n";

std::vector<std::string> Wallpaper(const std::string& path) {
    return {"create", "options 8,2,0", "wallpaper \"" + path + "\",0", "apply 7", "release"};
}

class Launcher : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove(session_.JournalFile());
        std::filesystem::remove(Page());
        WriteFile(session_.InstallFolder() / "bg1.htm", kTemplate);
        session_.Registry({"add", "HKCU\\" + kShellKey, "/v", "ShellState", "/t", "REG_BINARY", "/d", kEarlierRecord});
    }
    void TearDown() override { session_.SetWindowsVersion("winxp"); }

    std::filesystem::path Page() const { return session_.InstallFolder() / "bg2.htm"; }
    std::string ShellState() { return session_.RegistryValue(kShellKey, "ShellState"); }

    WineSession& session_ = WineSession::Get();
};

template <typename Param> class LauncherWith : public Launcher, public ::testing::WithParamInterface<Param> {};

// An edition of each family, whether Run comes first (a click, or a double-click, which is a click and then a
// double-click that does nothing: Run runs once), and how the launcher is ended: Close takes the wallpaper down,
// Exit and the keyboard's close touch nothing; all three end the program at once. (Every edition of a family
// takes the same way through the program; the unit tests tell the editions apart.)
struct Edition {
    const char* Version;
    bool Windows95Family;
    int RunClicks;
    const char* End;
};

using RunCommand = LauncherWith<Edition>;

TEST_P(RunCommand, WritesThePageAndRewritesTheShellStateOnlyOnThe95FamilyAndClosesAsAsked) {
    const Edition& edition = GetParam();
    session_.SetWindowsVersion(edition.Version);
    LauncherProcess launcher;
    std::vector<std::string> journal;
    if (edition.RunClicks > 0) {
        const Rect run = OnScreen(launcher.Window().RectOf("client"), Pixels(kRun));
        session_.MovePointerTo((run.Left + run.Right) / 2, (run.Top + run.Bottom) / 2);
        RunProgram({"xdotool", "click", "--repeat", std::to_string(edition.RunClicks), "1"});
        EXPECT_EQ(WaitForJournal(), journal = Wallpaper(kPage));
        EXPECT_EQ(ReadFile(Page()), kPageFor1024x768);
    }
    EXPECT_EQ(ShellState(), "REG_BINARY " + (edition.RunClicks && edition.Windows95Family ? kRecord : kEarlierRecord));

    const std::string end = edition.End;
    if (end == "keyboard") {
        const Rect client = launcher.Window().RectOf("client");
        session_.MovePointerTo(client.Left + 5, client.Top + 5);
        session_.PressKey("alt+F4");
    } else {
        launcher.ClickClient(Pixels(end == "close" ? kClose : kExit));
    }
    EXPECT_EQ(launcher.WaitForExit(), 0);
    if (end == "close")
        for (const std::string& line : Wallpaper(""))
            journal.push_back(line);
    EXPECT_EQ(WaitForJournal(journal.size()), journal);
    EXPECT_EQ(std::filesystem::exists(Page()), edition.RunClicks > 0);
}

INSTANTIATE_TEST_SUITE_P(Editions, RunCommand,
                         ::testing::Values(Edition{"win98", 1, 2, "close"}, Edition{"winxp", 0, 1, "keyboard"},
                                           Edition{"win2k", 0, 0, "exit"}),
                         [](const auto& info) { return std::string(info.param.Version); });

// What fails, the error number the box must name, and what the shell saw.
struct Fault {
    const char* Name;
    const char* Injected; // ACTIVE_DESKTOP_FAIL, or "no template"
    const char* ErrorNumber;
    std::vector<std::string> Journal;
};

using RunFailure = LauncherWith<Fault>;

// The box is the launcher's, and after its OK the launcher is gone with the status of every fatal error. A page
// that cannot be made stops Run before the registry and the shell; a failing shell stops it after both.
TEST_P(RunFailure, EndsInTheFatalErrorBoxNamingTheError) {
    const Fault& fault = GetParam();
    const bool noTemplate = fault.Injected == std::string("no template");
    session_.SetWindowsVersion("win98");
    if (noTemplate)
        std::filesystem::remove(session_.InstallFolder() / "bg1.htm");
    LauncherProcess launcher(noTemplate ? "" : fault.Injected);
    launcher.ClickClient(Pixels(fault.Name == std::string("Close") ? kClose : kRun));
    const WindowFacts box = session_.WaitForWindow("Menu");
    EXPECT_EQ(box["pid"], launcher.Window()["pid"]);
    EXPECT_EQ(box["message"].rfind("Run-time error '" + std::string(fault.ErrorNumber) + "':\\r\\n\\r\\n", 0), 0u)
        << box["message"];
    EXPECT_EQ(WaitForJournal(fault.Journal.size()), fault.Journal);
    EXPECT_EQ(ShellState(), "REG_BINARY " + (fault.Name == std::string("Run") ? kRecord : kEarlierRecord));
    EXPECT_EQ(std::filesystem::exists(Page()), fault.Name == std::string("Run"));
    EXPECT_TRUE(launcher.Running()) << "ended before its error was confirmed";
    session_.ClickAt(box.RectOf("button"));
    EXPECT_EQ(launcher.WaitForExit(), 1);
}

const std::string kWallpaperLine = "wallpaper \"" + kPage + "\",0";

INSTANTIATE_TEST_SUITE_P(
    Steps, RunFailure,
    ::testing::Values(Fault{"Template", "no template", "2", {}},
                      Fault{"Run", "CreateInstance", "-2147221231 (80040111)", {"create -> 80040111"}},
                      Fault{"Run", "SetWallpaperOptions", "-2147467259 (80004005)",
                            {"create", "options 8,2,0 -> 80004005", "release"}},
                      Fault{"Run", "SetWallpaper", "-2147467259 (80004005)",
                            {"create", "options 8,2,0", kWallpaperLine + " -> 80004005", "release"}},
                      Fault{"Run", "ApplyChanges", "-2147467259 (80004005)",
                            {"create", "options 8,2,0", kWallpaperLine, "apply 7 -> 80004005", "release"}},
                      Fault{"Close", "SetWallpaper", "-2147467259 (80004005)",
                            {"create", "options 8,2,0", "wallpaper \"\",0 -> 80004005", "release"}}),
    [](const auto& info) { return std::string(info.param.Name) + std::to_string(info.index); });

} // namespace
} // namespace vurozud::test
