// The launcher window at the display's scale, through real clicks and screenshots: its size, frame and icon,
// every pixel of its client area, every text of both windows as the system draws it, and each command answering
// at its own place.

#include "ImageFile.h"
#include "Layout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vurozud::test {
namespace {

constexpr Colour kRed{255, 0, 0};
constexpr unsigned long kCaption = 0x00C00000, kFrameButtons = 0x000F0000; // system menu, sizing, minimize, maximize

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

// Centred in a fixed frame, with the program's icon; the preview picture at its natural size at the top left of
// its box, the rest of the box black; each command's text in its line; red rules on exactly their rows; black
// elsewhere; the pointing hand over the command lines only. Then Run writes the page and sets it as the
// wallpaper; Support shows its message with one OK button and no icon, and nothing else; a press on Exit let go
// over Support does nothing; Instructions opens its window at the same scale with its texts and no icon of its
// own, and its Close button hides it; Exit ends the program.
TEST_P(LauncherWindow, DrawsItsLayoutAtTheDisplaysScaleAndEachCommandAnswersAtItsOwnPlace) {
    LauncherProcess launcher;
    const Rect client = launcher.Window().RectOf("client"), frame = launcher.Window().RectOf("window");
    EXPECT_EQ(client.Width(), Box(kLauncherClient).Right);
    EXPECT_EQ(client.Height(), Box(kLauncherClient).Bottom);
    EXPECT_EQ(frame.Left, (1024 - frame.Width()) / 2);
    EXPECT_EQ(frame.Top, (768 - frame.Height()) / 2);
    EXPECT_EQ(std::stoul(launcher.Window()["style"], nullptr, 16) & (kCaption | kFrameButtons), kCaption);
    EXPECT_EQ(launcher.Window()["focus"], "VurozudPicture "); // only the picture takes the focus
    const ImageFile tree(RESOURCES_DIR "/tree.ico");
    // The icon as large as the system shows icons at this scale; at 96 dots per inch the image itself.
    const std::vector<std::uint32_t> icon = session_.WindowIcon(LauncherProcess::kTitle);
    const int side = 32 * GetParam().DotsPerInch / 96;
    ASSERT_EQ(icon.size(), std::size_t(side * side));
    int iconDiffers = 0;
    for (int i = 0; side == 32 && i < 32 * 32; ++i)
        iconDiffers += icon[i] != (tree.Transparent(i % 32, i / 32) ? 0 : 0xFF000000 | tree.Colour(i % 32, i / 32));
    EXPECT_EQ(iconDiffers, 0) << "pixels of the window's icon differ from the icon file's";

    const ImageFile preview(RESOURCES_DIR "/preview.bmp");
    const Screenshot shot = session_.TakeScreenshot();
    const Rect picture = Box(kPicture);
    const int dpi = GetParam().DotsPerInch;
    int stray = 0;
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
            for (const DrawnText& line : kLauncherTexts)
                if (Box(line.Box).Contains({x, y}))
                    expected = pixel; // the texts' own check below
            stray += !(pixel == expected);
        }
    EXPECT_EQ(stray, 0) << "pixels other than the picture, the command lines, the red rules and black";
    for (const DrawnText& line : kLauncherTexts)
        EXPECT_EQ(PixelsUnlikeTheSystemsDrawing(shot, client, line, dpi), 0) << line.Text;

    // The pointing hand over each command line, to its edge pixels, and nowhere next to it.
    const PointerShape hand = GetParam().Hand;
    const auto handAt = [&](int x, int y, bool expected) {
        session_.MovePointerTo(client.Left + x, client.Top + y);
        WaitUntil([&] { return (session_.Pointer() == hand) == expected; }, 1s);
        return session_.Pointer() == hand;
    };
    for (const DrawnText& line : kLauncherTexts) {
        const Rect box = Box(line.Box);
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
    EXPECT_EQ(box["buttons"], "OK");
    EXPECT_EQ(box["icons"], "0");
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
    const Screenshot instructions = session_.TakeScreenshot();
    for (const DrawnText& text : kInstructionsTexts)
        EXPECT_EQ(PixelsUnlikeTheSystemsDrawing(instructions, inner, text, dpi), 0) << text.Text;
    const std::vector<std::uint32_t> standIn = session_.WindowIcon("Instructions and Controls"); // the system's
    EXPECT_TRUE(standIn.size() == icon.size() && standIn != icon) << "the instructions window has an icon of its own";
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
