// The launcher window as a user meets it: its frame and place on the screen, what it draws, and
// the Support and Exit commands, through real clicks.

#include "WineSession.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vurozud::wine {
namespace {

constexpr unsigned long kCaption = 0x00C00000, kSystemMenu = 0x00080000, kSizingFrame = 0x00040000,
                        kMinimizeBox = 0x00020000, kMaximizeBox = 0x00010000;
constexpr int kScreenWidth = 1024, kScreenHeight = 768;
const int kRuleRows[] = {2880 / 15, 3480 / 15, 4080 / 15, 4680 / 15, 5280 / 15};
constexpr int kRuleLeft = 480 / 15, kRuleRight = 3120 / 15;
const Rect kPictureBox{480 / 15, 240 / 15, 480 / 15 + 180, 240 / 15 + 135};
const char* const kCommands[] = {"Run Vurozud Tree Desktop", "Close Vurozud Tree Desktop", "Instructions and Controls",
                                 "Help and Support", "Exit This Menu"};
const std::string kShellKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

class LauncherWindow : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove(session_.JournalFile());
        std::filesystem::remove(session_.InstallFolder() / "bg2.htm");
    }

    // The launcher's client area cut out of a screenshot, as a function of client coordinates.
    Colour ClientPixel(const Screenshot& shot, const LauncherProcess& launcher, int x, int y) {
        const Rect client = launcher.Window().ClientRect();
        return shot.At(client.Left + x, client.Top + y);
    }

    WineSession& session_ = WineSession::Get();
};

TEST_F(LauncherWindow, HasItsTitleSizeAndFixedFrameCentredOnTheScreen) {
    LauncherProcess launcher;
    const WindowFacts& window = launcher.Window();
    const Rect client = window.ClientRect();
    const Rect frame = window.WindowRect();
    EXPECT_EQ(client.Width(), 245);
    EXPECT_EQ(client.Height(), 369);
    EXPECT_EQ(window.Style() & kCaption, kCaption);
    EXPECT_EQ(window.Style() & (kSystemMenu | kSizingFrame | kMinimizeBox | kMaximizeBox), 0u);
    EXPECT_EQ(frame.Left, (kScreenWidth - frame.Width()) / 2);
    EXPECT_EQ(frame.Top, (kScreenHeight - frame.Height()) / 2);
    EXPECT_EQ(window["focus_class"], "VurozudPicture"); // only the picture takes the focus
}

TEST_F(LauncherWindow, DrawsRedRulesOnExactlyTheFiveRuleRows) {
    LauncherProcess launcher;
    const Screenshot shot = session_.TakeScreenshot();
    for (int y = 0; y < 369; ++y) {
        const bool ruleRow = std::find(std::begin(kRuleRows), std::end(kRuleRows), y) != std::end(kRuleRows);
        int red = 0;
        for (int x = 0; x < 245; ++x)
            red += ClientPixel(shot, launcher, x, y) == kPureRed;
        if (ruleRow) {
            EXPECT_EQ(red, kRuleRight - kRuleLeft) << "row " << y;
            EXPECT_EQ(ClientPixel(shot, launcher, kRuleLeft, y), kPureRed);
            EXPECT_EQ(ClientPixel(shot, launcher, kRuleRight - 1, y), kPureRed);
        } else {
            EXPECT_EQ(red, 0) << "row " << y;
        }
    }
}

TEST_F(LauncherWindow, DrawsGreenCommandTextOnlyInsideTheCommandBoxesOnBlack) {
    LauncherProcess launcher;
    const Screenshot shot = session_.TakeScreenshot();
    const Rect client = launcher.Window().ClientRect();
    for (const char* command : kCommands) {
        const Rect box = CommandBox(command);
        const Rect onScreen{client.Left + box.Left, client.Top + box.Top, client.Left + box.Right,
                            client.Top + box.Bottom};
        EXPECT_GT(shot.Count(onScreen, kPureGreen), 40) << command;
    }
    int strayPixels = 0;
    for (int y = 0; y < 369; ++y)
        for (int x = 0; x < 245; ++x) {
            if (kPictureBox.Contains({x, y}))
                continue;
            bool inCommand = false;
            for (const char* command : kCommands)
                inCommand = inCommand || CommandBox(command).Contains({x, y});
            const Colour pixel = ClientPixel(shot, launcher, x, y);
            const bool onRule = pixel == kPureRed;
            if (inCommand)
                strayPixels += !(pixel == kBlack || pixel == kPureGreen);
            else
                strayPixels += !(pixel == kBlack || onRule);
        }
    EXPECT_EQ(strayPixels, 0) << "pixels other than black, the green text and the red rules";
}

// The preview picture is shown pixel for pixel at its natural size.
TEST_F(LauncherWindow, ShowsThePreviewPictureAtItsNaturalSize) {
    const std::string bitmap = ReadFile(std::filesystem::path(RESOURCES_DIR) / "preview.bmp");
    const auto word = [&](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bitmap[at]) |
                                          static_cast<unsigned char>(bitmap[at + 1]) << 8 |
                                          static_cast<unsigned char>(bitmap[at + 2]) << 16 |
                                          static_cast<unsigned char>(bitmap[at + 3]) << 24);
    };
    const std::uint32_t pixels = word(10);
    ASSERT_EQ(word(18), 180u);
    ASSERT_EQ(word(22), 135u);
    LauncherProcess launcher;
    const Screenshot shot = session_.TakeScreenshot();
    int differing = 0;
    for (int y = 0; y < 135; ++y)
        for (int x = 0; x < 180; ++x) {
            const std::size_t at = pixels + static_cast<std::size_t>(134 - y) * (180 * 3) + x * 3; // bottom-up BGR
            const Colour expected{static_cast<std::uint8_t>(bitmap[at + 2]), static_cast<std::uint8_t>(bitmap[at + 1]),
                                  static_cast<std::uint8_t>(bitmap[at])};
            differing += !(ClientPixel(shot, launcher, kPictureBox.Left + x, kPictureBox.Top + y) == expected);
        }
    EXPECT_EQ(differing, 0);
}

TEST_F(LauncherWindow, SupportShowsTheMessageAndTheLauncherStaysOpen) {
    LauncherProcess launcher;
    launcher.ClickCommand("Help and Support");
    const WindowFacts box = session_.WaitForWindow("Menu");
    std::string message;
    Rect okButton{};
    int buttons = 0;
    for (const ChildWindow& child : session_.Children("Menu")) {
        if (child.ClassName == "Button") {
            ++buttons;
            EXPECT_EQ(child.Text, "OK");
            okButton = child.Box;
        } else if (child.ClassName == "Static" && !child.Text.empty()) {
            message += child.Text;
        }
    }
    EXPECT_EQ(message, "For support go to vurozud.com to contact us with any issues you may have. Thank you.");
    EXPECT_EQ(buttons, 1);
    session_.ClickAt((okButton.Left + okButton.Right) / 2, (okButton.Top + okButton.Bottom) / 2);
    EXPECT_TRUE(session_.WaitForWindowGone("Menu"));
    EXPECT_TRUE(launcher.Running());
    EXPECT_TRUE(session_.FindWindow(LauncherProcess::kTitle).has_value());
    EXPECT_FALSE(std::filesystem::exists(session_.JournalFile()));
}

TEST_F(LauncherWindow, ExitEndsTheProgramAndLeavesEverythingAsItWas) {
    session_.SetLauncherWindowsVersion("win98");
    session_.SetBinaryRegistryValue(kShellKey, "ShellState", "0102030405");
    LauncherProcess launcher;
    launcher.ClickCommand("Exit This Menu");
    EXPECT_EQ(launcher.WaitForExit(), 0);
    EXPECT_FALSE(std::filesystem::exists(session_.InstallFolder() / "bg2.htm"));
    EXPECT_FALSE(std::filesystem::exists(session_.JournalFile()));
    EXPECT_EQ(session_.RegistryValue(kShellKey, "ShellState")["data"], "0102030405");
    session_.DeleteRegistryValue(kShellKey, "ShellState");
    session_.SetLauncherWindowsVersion("winxp");
}

TEST_F(LauncherWindow, ClosingFromTheKeyboardEndsTheProgramLikeExit) {
    LauncherProcess launcher;
    const Rect client = launcher.Window().ClientRect();
    session_.MovePointerTo(client.Left + 5, client.Top + 5);
    session_.PressKey("alt+F4");
    EXPECT_EQ(launcher.WaitForExit(), 0);
    EXPECT_FALSE(std::filesystem::exists(session_.JournalFile()));
}

TEST_F(LauncherWindow, ACommandRunsOnlyWhenTheButtonGoesUpOnItsOwnLine) {
    LauncherProcess launcher;
    const Rect client = launcher.Window().ClientRect();
    const Rect exit = CommandBox("Exit This Menu");
    session_.MovePointerTo(client.Left + exit.Left + 20, client.Top + exit.Top + 8);
    RunProgram({"xdotool", "mousedown", "1"});
    session_.MovePointerTo(client.Left + 5, client.Top + 5);
    RunProgram({"xdotool", "mouseup", "1"});
    EXPECT_FALSE(launcher.WaitForExit(1500ms).has_value());
}

} // namespace
} // namespace vurozud::wine
