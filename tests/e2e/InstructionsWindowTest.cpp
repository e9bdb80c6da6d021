// The instructions window through real clicks and keys: one instance, shown and hidden, keeping its place
// and size, its frame and keyboard interface, what it draws in which system colours, and the launcher staying
// usable beside it.

#include "Layout.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

constexpr const char* kTitle = "Instructions and Controls";
constexpr unsigned long kCaption = 0x00C00000, kSizingFrame = 0x00040000;
// System colours 9 (caption text) and 18 (button text), set apart from every other for this test: in the
// standard scheme they are white and black, as are colours 5 (window) and 8 (window text).
constexpr Colour kCaptionText{255, 255, 192}, kButtonText{128, 0, 64};
const Rect kCloseButton = Pixels(kInstructionsClose);

class InstructionsWindow : public ::testing::Test {
protected:
    void SetUp() override { SetColours(kCaptionText, kButtonText); }
    void TearDown() override { SetColours({255, 255, 255}, {0, 0, 0}); } // the standard scheme's
    void SetColours(Colour captionText, Colour buttonText) {
        for (const auto& [name, c] : {std::pair{"TitleText", captionText}, {"ButtonText", buttonText}})
            session_.Registry({"add", "HKCU\\Control Panel\\Colors", "/v", name, "/d",
                               std::to_string(c.Red) + " " + std::to_string(c.Green) + " " + std::to_string(c.Blue)});
    }

    WindowFacts Show(LauncherProcess& launcher) {
        launcher.ClickClient(Pixels(kInstructions));
        return session_.WaitForWindow(kTitle);
    }
    // The keys go to the window under the pointer: a click on its background puts the pointer there.
    void PointAt(const WindowFacts& window) {
        session_.ClickAt(window.RectOf("client").Left + 5, window.RectOf("client").Top + 5);
    }
    void Hide(const std::string& key) {
        session_.PressKey(key);
        session_.WaitForWindow(kTitle, false);
    }
    WindowFacts Move(int x, int y, int width, int height) {
        session_.Ask({"move", kTitle, std::to_string(x), std::to_string(y), std::to_string(width),
                      std::to_string(height)});
        return session_.WaitForWindow(kTitle);
    }
    // Colour 9 everywhere but in the labels and the button; each text in colour 18 as the system draws it, on
    // colour 9 in a label (white in the standard scheme) and on the button's face.
    void ExpectDrawnOnlyInItsControls(const Rect& client) {
        const Screenshot shot = session_.TakeScreenshot();
        int stray = 0;
        for (int y = 0; y < client.Height(); ++y)
            for (int x = 0; x < client.Width(); ++x) {
                bool inControl = false;
                for (const DrawnText& control : kInstructionsTexts)
                    inControl = inControl || Pixels(control.Box).Contains({x, y});
                stray += !inControl && !(shot.At(client.Left + x, client.Top + y) == kCaptionText);
            }
        EXPECT_EQ(stray, 0);
        for (const DrawnText& control : kInstructionsTexts) {
            const Colour paper = control.Style.Paper == kWhite ? kCaptionText : control.Style.Paper;
            EXPECT_EQ(PixelsUnlikeTheSystemsDrawing(shot, client, control, 96, kButtonText, paper), 0) << control.Text;
        }
    }

    WineSession& session_ = WineSession::Get();
};

TEST_F(InstructionsWindow, IsOneWindowShownAndHiddenThatKeepsItsPlaceAndDrawsOnlyInItsControls) {
    LauncherProcess launcher;
    WindowFacts window = Show(launcher);
    const Rect frame = window.RectOf("window");
    EXPECT_EQ(frame.Left, (1024 - frame.Width()) / 2);
    EXPECT_EQ(frame.Top, (768 - frame.Height()) / 2);
    EXPECT_EQ(std::stoul(window["style"], nullptr, 16) & (kCaption | kSizingFrame), kCaption | kSizingFrame);
    EXPECT_EQ(window["owner"], "");
    EXPECT_EQ(window["focus"], "Button Close");
    ExpectDrawnOnlyInItsControls(window.RectOf("client"));

    // Space and Enter on Close hide it.
    PointAt(window);
    Hide("space");
    Show(launcher);
    Hide("Return");

    // Moved, sized, closed with its button or the keyboard and shown again: where and as large as it was, not
    // centred anew.
    Show(launcher);
    session_.ClickAt(OnScreen(Move(40, 30, 700, 520).RectOf("client"), kCloseButton));
    session_.WaitForWindow(kTitle, false);
    window = Show(launcher);
    EXPECT_EQ(window["count"], "1");
    EXPECT_EQ(window["window"], "40,30,740,550");
    Hide("alt+F4");
    EXPECT_EQ(Show(launcher)["window"], "40,30,740,550");

    // Made larger, it moves nothing and shows more background.
    ExpectDrawnOnlyInItsControls(Move(40, 30, 820, 610).RectOf("client"));

    // Moved off the launcher's lines: the command again and Esc leave the one window shown where it is. The
    // launcher stays usable beside it; its Support box coming up shows that the command and the key were handled.
    window = Move(0, 0, 380, 180);
    launcher.ClickClient(Pixels(kInstructions));
    PointAt(window);
    session_.PressKey("Escape");
    launcher.ClickClient(Pixels(kSupport));
    const WindowFacts box = session_.WaitForWindow("Menu");
    window = session_.Ask({"window", kTitle});
    EXPECT_EQ(window["count"], "1");
    EXPECT_EQ(window["visible"], "1");
    EXPECT_EQ(window["window"], "0,0,380,180");
    session_.ClickAt(box.RectOf("button"));
    session_.WaitForWindowGone("Menu");

    // Close ends the program and this window with it.
    launcher.ClickClient(Pixels(kClose));
    EXPECT_EQ(launcher.WaitForExit(), 0);
    session_.WaitForWindowGone(kTitle);
}

} // namespace
} // namespace vurozud::test
