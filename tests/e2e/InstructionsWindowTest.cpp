// The instructions window through real clicks and keys: one instance, shown and hidden, keeping its place
// and size, its keyboard interface, what it draws, and the launcher staying usable beside it.

#include "Layout.h"

#include <gtest/gtest.h>

#include <thread>

namespace vurozud::test {
namespace {

constexpr const char* kTitle = "Instructions and Controls";
constexpr Colour kBlack{0, 0, 0}, kWhite{255, 255, 255};
// The labels in client pixels at 96 dots per inch.
const Rect kLabels[] = {{24, 32, 529, 73},   {24, 80, 545, 129},  {24, 144, 529, 185}, {24, 192, 545, 233},
                        {24, 240, 545, 281}, {24, 288, 529, 329}, {24, 336, 505, 361}};
const Rect kCloseButton = Pixels(kInstructionsClose);

class InstructionsWindow : public ::testing::Test {
protected:
    WindowFacts Show(LauncherProcess& launcher) {
        launcher.ClickClient(Pixels(kInstructions));
        return session_.WaitForWindow(kTitle);
    }
    void Hide(const std::string& key) {
        session_.PressKey(key);
        session_.WaitForWindow(kTitle, false);
    }
    WindowFacts Move(int x, int y, int width, int height) {
        session_.Ask({"move", kTitle, std::to_string(x), std::to_string(y), std::to_string(width),
                      std::to_string(height)});
        std::this_thread::sleep_for(700ms); // the display catches up
        return session_.WaitForWindow(kTitle);
    }
    // White everywhere but in the labels, each of which has text, and the button.
    void ExpectDrawnOnlyInItsControls(const Rect& client) {
        const Screenshot shot = session_.TakeScreenshot();
        int stray = 0;
        for (int y = 0; y < client.Height(); ++y)
            for (int x = 0; x < client.Width(); ++x) {
                bool inControl = kCloseButton.Contains({x, y});
                for (const Rect& label : kLabels)
                    inControl = inControl || label.Contains({x, y});
                stray += !inControl && !(shot.At(client.Left + x, client.Top + y) == kWhite);
            }
        EXPECT_EQ(stray, 0);
        for (const Rect& label : kLabels)
            EXPECT_GT(shot.Count(OnScreen(client, label), kBlack), 100) << "label at " << label.Top;
    }

    WineSession& session_ = WineSession::Get();
};

TEST_F(InstructionsWindow, IsOneWindowShownAndHiddenThatKeepsItsPlaceAndDrawsOnlyInItsControls) {
    LauncherProcess launcher;
    WindowFacts window = Show(launcher);
    const Rect frame = window.RectOf("window");
    EXPECT_EQ(frame.Left, (1024 - frame.Width()) / 2);
    EXPECT_EQ(frame.Top, (768 - frame.Height()) / 2);
    EXPECT_EQ(window["owner"], "");
    EXPECT_EQ(window["focus"], "Button Close");
    ExpectDrawnOnlyInItsControls(window.RectOf("client"));

    // The command again makes no second window; Esc does nothing; Space and Enter on Close hide it.
    launcher.ClickClient(Pixels(kInstructions));
    session_.ClickAt(frame.Left + 300, frame.Top + 40); // the keys go to the window under the pointer
    session_.PressKey("Escape");
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(session_.WaitForWindow(kTitle)["count"], "1");
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

    // Moved aside, it leaves the launcher usable; Exit ends the program and this window with it.
    Move(0, 0, 380, 180);
    launcher.ClickClient(Pixels(kSupport));
    session_.ClickAt(session_.WaitForWindow("Menu").RectOf("button"));
    ASSERT_TRUE(session_.WaitForWindowGone("Menu"));
    launcher.ClickClient(Pixels(kExit));
    EXPECT_EQ(launcher.WaitForExit(), 0);
    EXPECT_TRUE(session_.WaitForWindowGone(kTitle));
}

} // namespace
} // namespace vurozud::test
