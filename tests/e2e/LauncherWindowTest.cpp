// The launcher window at the display's scale, through real clicks and screenshots: its size and frame,
// every pixel of its client area, and each command answering at its own place.

#include "ImageFile.h"
#include "WineSession.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

constexpr Colour kBlack{0, 0, 0}, kGreen{0, 255, 0}, kRed{255, 0, 0};
constexpr unsigned long kCaption = 0x00C00000, kFrameButtons = 0x000F0000; // system menu, sizing, minimize, maximize

// The layout in twips: left, top, width, height.
struct Twips {
    int Left, Top, Width, Height;
};
constexpr Twips kPicture{480, 240, 2700, 2025};
constexpr Twips kRun{300, 2520, 3045, 255}, kInstructions{240, 3720, 3045, 255}, kSupport{480, 4320, 2655, 255},
    kExit{480, 4920, 2655, 255};
constexpr Twips kCommands[] = {kRun, {480, 3120, 2655, 255}, kInstructions, kSupport, kExit};
constexpr int kRuleRows[] = {2880, 3480, 4080, 4680, 5280}, kRuleLeft = 480, kRuleRight = 3120;
constexpr Twips kInstructionsClose{3600, 5640, 1215, 375};

struct Scale {
    int DotsPerInch;
    const char *PageWidth, *PageHeight; // the page's size texts for a 1024 x 768 screen
};

class LauncherWindow : public ::testing::TestWithParam<Scale> {
protected:
    void SetUp() override {
        std::filesystem::remove(session_.JournalFile());
        WriteFile(session_.InstallFolder() / "bg1.htm", "<body width=800 height=600>");
        session_.SetDotsPerInch(GetParam().DotsPerInch);
    }
    void TearDown() override { session_.SetDotsPerInch(96); }

    // Every edge is converted on its own: floor(twips x dots per inch / 1440).
    int Pixels(int twips) const { return twips * GetParam().DotsPerInch / 1440; }
    Rect Box(const Twips& t) const {
        return {Pixels(t.Left), Pixels(t.Top), Pixels(t.Left + t.Width), Pixels(t.Top + t.Height)};
    }

    WineSession& session_ = WineSession::Get();
};

// The preview picture at its natural size at the top left of its box, the rest of the box black; green text
// only inside the command lines, every one of which has some; red rules on exactly their rows; black elsewhere.
TEST_P(LauncherWindow, DrawsItsLayoutAtTheDisplaysScaleCentredInAFixedFrame) {
    LauncherProcess launcher;
    const Rect client = launcher.Window().RectOf("client"), frame = launcher.Window().RectOf("window");
    EXPECT_EQ(client.Width(), Pixels(3675));
    EXPECT_EQ(client.Height(), Pixels(5535));
    EXPECT_EQ(frame.Left, (1024 - frame.Width()) / 2);
    EXPECT_EQ(frame.Top, (768 - frame.Height()) / 2);
    const unsigned long style = std::stoul(launcher.Window()["style"], nullptr, 16);
    EXPECT_EQ(style & (kCaption | kFrameButtons), kCaption);
    EXPECT_EQ(launcher.Window()["focus"], "VurozudPicture "); // only the picture takes the focus

    const ImageFile preview(RESOURCES_DIR "/preview.bmp");
    const auto previewAt = [&](int x, int y) { // bottom row first, blue green red
        const std::size_t at = 54 + static_cast<std::size_t>(134 - y) * 540 + static_cast<std::size_t>(x) * 3;
        return Colour{preview.Bytes[at + 2], preview.Bytes[at + 1], preview.Bytes[at]};
    };
    const Screenshot shot = session_.TakeScreenshot();
    const Rect picture = Box(kPicture);
    int stray = 0;
    std::vector<int> green(std::size(kCommands));
    for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < client.Width(); ++x) {
            const Colour pixel = shot.At(client.Left + x, client.Top + y);
            Colour expected = kBlack;
            if (picture.Contains({x, y}) && x - picture.Left < 180 && y - picture.Top < 135)
                expected = previewAt(x - picture.Left, y - picture.Top);
            for (const int row : kRuleRows)
                if (y == Pixels(row) && x >= Pixels(kRuleLeft) && x < Pixels(kRuleRight))
                    expected = kRed;
            for (std::size_t i = 0; i < std::size(kCommands); ++i)
                if (Box(kCommands[i]).Contains({x, y}) && pixel == kGreen) {
                    expected = kGreen;
                    ++green[i];
                }
            stray += !(pixel == expected);
        }
    EXPECT_EQ(stray, 0) << "pixels other than the picture, the green text, the red rules and black";
    for (const int count : green)
        EXPECT_GT(count, 40);
}

// Run writes the page (sized by the fixed divisor whatever the scale) and sets it as the wallpaper; Support
// shows its message; a press on Exit let go over Support does nothing; Instructions opens its window at the
// same scale and its Close button hides it; Exit ends the program.
TEST_P(LauncherWindow, EachCommandAnswersAtItsOwnPlace) {
    LauncherProcess launcher;
    launcher.ClickClient(Box(kRun));
    EXPECT_EQ(WaitForJournal().size(), 5u);
    EXPECT_EQ(ReadFile(session_.InstallFolder() / "bg2.htm"), std::string("\r\n<body width=") + GetParam().PageWidth +
                                                                   " height=" + GetParam().PageHeight + ">\r\n");
    launcher.ClickClient(Box(kSupport));
    const WindowFacts box = session_.WaitForWindow("Menu");
    EXPECT_EQ(box.Message(), "For support go to vurozud.com to contact us with any issues you may have. Thank you.");
    session_.ClickAt(box.Button());
    ASSERT_TRUE(session_.WaitForWindowGone("Menu"));

    const Rect client = launcher.Window().RectOf("client"), exit = Box(kExit), support = Box(kSupport);
    session_.MovePointerTo(client.Left + exit.Left + 5, client.Top + exit.Top + 5);
    RunProgram({"xdotool", "mousedown", "1"});
    session_.MovePointerTo(client.Left + support.Left + 5, client.Top + support.Top + 5);
    RunProgram({"xdotool", "mouseup", "1"});
    EXPECT_FALSE(launcher.WaitForExit(1s).has_value());
    EXPECT_EQ(session_.Ask({"window", "Menu"})["count"], "0");

    launcher.ClickClient(Box(kInstructions));
    const WindowFacts instructions = session_.WaitForWindow("Instructions and Controls");
    const Rect inner = instructions.RectOf("client");
    EXPECT_EQ(inner.Width(), Pixels(8550));
    EXPECT_EQ(inner.Height(), Pixels(6360));
    const Rect close = Box(kInstructionsClose);
    session_.ClickAt({inner.Left + close.Left, inner.Top + close.Top, inner.Left + close.Right, inner.Top + close.Bottom});
    session_.WaitForWindow("Instructions and Controls", false);

    launcher.ClickClient(exit);
    EXPECT_EQ(launcher.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(DotsPerInch, LauncherWindow,
                         ::testing::Values(Scale{96, "1024", "768"}, Scale{120, "819.2", "614.4"},
                                           Scale{144, "682.6667", "512"}),
                         [](const auto& info) { return std::to_string(info.param.DotsPerInch); });

} // namespace
} // namespace vurozud::test
