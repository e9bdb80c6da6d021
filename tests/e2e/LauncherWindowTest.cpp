// The launcher window at the display's scale, through real clicks and screenshots: its size and frame, every
// pixel of its client area, and each command answering at its own place.

#include "ImageFile.h"
#include "Layout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vurozud::test {
namespace {

constexpr Colour kBlack{0, 0, 0}, kGreen{0, 255, 0}, kRed{255, 0, 0};
constexpr unsigned long kCaption = 0x00C00000, kFrameButtons = 0x000F0000; // system menu, sizing, minimize, maximize
constexpr TwipRect kCommands[] = {kRun, kClose, kInstructions, kSupport, kExit};

struct Scale {
    int DotsPerInch;
    const char *PageWidth, *PageHeight; // the page's size texts for a 1024 x 768 screen: the fixed divisor 15
    PointerShape Hand; // the pointing hand (32 x 32, hot spot 12, 1) as large as the system shows cursors
};

class LauncherWindow : public ::testing::TestWithParam<Scale> {
protected:
    void SetUp() override {
        std::filesystem::remove(session_.JournalFile());
        WriteFile(session_.InstallFolder() / "bg1.htm", "<body width=800 height=600>");
        session_.SetDotsPerInch(GetParam().DotsPerInch);
    }
    void TearDown() override { session_.SetDotsPerInch(96); }

    Rect Box(const TwipRect& twips) const { return Pixels(twips, GetParam().DotsPerInch); }

    WineSession& session_ = WineSession::Get();
};

// Centred in a fixed frame; the preview picture at its natural size at the top left of its box, the rest of the
// box black; green text only inside the command lines, every one of which has some; red rules on exactly their
// rows; black elsewhere; the pointing hand over the command lines only. Then Run writes the page and sets it as
// the wallpaper; Support shows its message and nothing else; a press on Exit let go over Support does nothing;
// Instructions opens its window at the same scale and its Close button hides it; Exit ends the program.
TEST_P(LauncherWindow, DrawsItsLayoutAtTheDisplaysScaleAndEachCommandAnswersAtItsOwnPlace) {
    LauncherProcess launcher;
    const Rect client = launcher.Window().RectOf("client"), frame = launcher.Window().RectOf("window");
    EXPECT_EQ(client.Width(), Box(kLauncherClient).Right);
    EXPECT_EQ(client.Height(), Box(kLauncherClient).Bottom);
    EXPECT_EQ(frame.Left, (1024 - frame.Width()) / 2);
    EXPECT_EQ(frame.Top, (768 - frame.Height()) / 2);
    EXPECT_EQ(std::stoul(launcher.Window()["style"], nullptr, 16) & (kCaption | kFrameButtons), kCaption);
    EXPECT_EQ(launcher.Window()["focus"], "VurozudPicture "); // only the picture takes the focus

    const ImageFile preview(RESOURCES_DIR "/preview.bmp");
    const Screenshot shot = session_.TakeScreenshot();
    const Rect picture = Box(kPicture);
    const int dpi = GetParam().DotsPerInch;
    int stray = 0;
    std::vector<int> green(std::size(kCommands)), top(std::size(kCommands), client.Height()), bottom(top.size());
    for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < client.Width(); ++x) {
            const Colour pixel = shot.At(client.Left + x, client.Top + y);
            Colour expected = kBlack;
            if (x >= picture.Left && x - picture.Left < 180 && y >= picture.Top && y - picture.Top < 135)
                expected = Colour::Of(preview.BitmapColour(x - picture.Left, y - picture.Top));
            for (const int row : kRuleRows)
                if (y == TwipsToPixels(row, dpi) && x >= TwipsToPixels(kRuleLeft, dpi) &&
                    x < TwipsToPixels(kRuleRight, dpi))
                    expected = kRed;
            for (std::size_t i = 0; i < std::size(kCommands); ++i)
                if (Box(kCommands[i]).Contains({x, y}) && pixel == kGreen)
                    expected = kGreen, ++green[i], top[i] = std::min(top[i], y), bottom[i] = y;
            stray += !(pixel == expected);
        }
    EXPECT_EQ(stray, 0) << "pixels other than the picture, the green text, the red rules and black";
    // Each line has text; the tallest is as high as the font at this scale, 8.25 points, give or take a pixel.
    int tallest = 0;
    for (std::size_t i = 0; i < green.size(); ++i) {
        EXPECT_GT(green[i], 40);
        tallest = std::max(tallest, bottom[i] - top[i] + 1);
    }
    const int fontPixels = static_cast<int>(8.25 * dpi / 72 + 0.5);
    EXPECT_TRUE(tallest >= fontPixels - 1 && tallest <= fontPixels) << tallest << " rows of text";

    // The pointing hand over each command line, to its edge pixels, and nowhere next to it.
    const PointerShape hand = GetParam().Hand;
    const auto handAt = [&](int x, int y, bool expected) {
        session_.MovePointerTo(client.Left + x, client.Top + y);
        WaitUntil([&] { return (session_.Pointer() == hand) == expected; }, 1s);
        return session_.Pointer() == hand;
    };
    for (const TwipRect& command : kCommands) {
        const Rect box = Box(command);
        for (const auto& [x, y, inside] : {std::tuple{box.Left - 1, box.Top, false}, {box.Left, box.Top, true},
                                           {box.Right, box.Bottom - 1, false}, {box.Right - 1, box.Bottom - 1, true},
                                           {box.Right - 1, box.Bottom, false}})
            EXPECT_EQ(handAt(x, y, inside), inside) << x << "," << y;
    }

    launcher.ClickClient(Box(kRun));
    EXPECT_EQ(WaitForJournal().size(), 5u);
    EXPECT_EQ(ReadFile(session_.InstallFolder() / "bg2.htm"),
              std::string("\r\n<body width=") + GetParam().PageWidth + " height=" + GetParam().PageHeight + ">\r\n");

    launcher.ClickClient(Box(kSupport));
    const WindowFacts box = session_.WaitForWindow("Menu");
    EXPECT_EQ(box["message"], "For support go to vurozud.com to contact us with any issues you may have. Thank you.");
    session_.ClickAt(box.RectOf("button"));
    session_.WaitForWindowGone("Menu");
    EXPECT_EQ(WaitForJournal().size(), 5u) << "Support touched the wallpaper";

    session_.MovePointerTo(client.Left + Box(kExit).Left + 5, client.Top + Box(kExit).Top + 5);
    RunProgram({"xdotool", "mousedown", "1"});
    session_.MovePointerTo(client.Left + Box(kSupport).Left + 5, client.Top + Box(kSupport).Top + 5);
    RunProgram({"xdotool", "mouseup", "1"});

    // The instructions window coming up shows that the launcher has handled that press: it has neither ended nor
    // shown the Support box.
    launcher.ClickClient(Box(kInstructions));
    const Rect inner = session_.WaitForWindow("Instructions and Controls").RectOf("client");
    EXPECT_TRUE(launcher.Running());
    EXPECT_EQ(session_.Ask({"window", "Menu"})["count"], "0");
    EXPECT_EQ(inner.Width(), Box(kInstructionsClient).Right);
    EXPECT_EQ(inner.Height(), Box(kInstructionsClient).Bottom);
    session_.ClickAt(OnScreen(inner, Box(kInstructionsClose)));
    session_.WaitForWindow("Instructions and Controls", false);

    launcher.ClickClient(Box(kExit));
    EXPECT_EQ(launcher.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(DotsPerInch, LauncherWindow,
                         ::testing::Values(Scale{96, "1024", "768", {32, 32, 12, 1}},
                                           Scale{120, "819.2", "614.4", {32, 32, 12, 1}},
                                           Scale{144, "682.6667", "512", {48, 48, 18, 1}}),
                         [](const auto& info) { return std::to_string(info.param.DotsPerInch); });

} // namespace
} // namespace vurozud::test
