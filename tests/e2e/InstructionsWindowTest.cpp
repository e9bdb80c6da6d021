// The instructions window through real clicks and keys: one instance, shown and hidden, keeping
// its place and size, its keyboard interface, and the launcher staying usable beside it.

#include "WineSession.h"

#include <gtest/gtest.h>

#include <thread>

namespace vurozud::wine {
namespace {

constexpr const char* kInstructions = "Instructions and Controls";
constexpr int kScreenWidth = 1024, kScreenHeight = 768;
// Label boxes and the Close button in client pixels (twips / 15).
const Rect kLabelBoxes[] = {
    {24, 32, 24 + 505, 32 + 41},   {24, 80, 24 + 521, 80 + 49},   {24, 144, 24 + 505, 144 + 41},
    {24, 192, 24 + 521, 192 + 41}, {24, 240, 24 + 521, 240 + 41}, {24, 288, 24 + 505, 288 + 41},
    {24, 336, 24 + 481, 336 + 25},
};
const Rect kCloseButton{240, 376, 240 + 81, 376 + 25};

class InstructionsWindow : public ::testing::Test {
protected:
    WindowFacts Open(LauncherProcess& launcher) {
        launcher.ClickCommand(kInstructions);
        return session_.WaitForWindow(kInstructions);
    }

    void ClickClose(const WindowFacts& window) {
        const Rect client = window.ClientRect();
        session_.ClickAt(client.Left + (kCloseButton.Left + kCloseButton.Right) / 2,
                         client.Top + (kCloseButton.Top + kCloseButton.Bottom) / 2);
    }

    bool WaitUntilHidden() {
        for (int attempt = 0; attempt < 50; ++attempt) {
            const auto window = session_.FindWindow(kInstructions);
            if (window && (*window)["visible"] == "0")
                return true;
            std::this_thread::sleep_for(100ms);
        }
        return false;
    }

    // Both windows open centred, so the instructions cover the launcher's command lines; a user
    // moves one aside. This moves it to the top of the screen, clear of Support and Exit.
    void MoveAsideFromTheLauncher(const WindowFacts& window) {
        const Rect frame = window.WindowRect();
        ASSERT_EQ(session_.Probe({"move", kInstructions, "0", "0", std::to_string(frame.Width()),
                                  std::to_string(frame.Height())})
                      .ExitCode,
                  0);
        session_.WaitForWindow(kInstructions);
    }

    // Puts the pointer over the window so that the keys go to it.
    void PointAt(const WindowFacts& window) {
        const Rect client = window.ClientRect();
        session_.ClickAt(client.Left + 300, client.Top + 10);
    }

    WineSession& session_ = WineSession::Get();
};

TEST_F(InstructionsWindow, OpensCentredWithTheFocusOnClose) {
    LauncherProcess launcher;
    const WindowFacts window = Open(launcher);
    const Rect frame = window.WindowRect();
    EXPECT_EQ(window.ClientRect().Width(), 570);
    EXPECT_EQ(window.ClientRect().Height(), 424);
    EXPECT_EQ(frame.Left, (kScreenWidth - frame.Width()) / 2);
    EXPECT_EQ(frame.Top, (kScreenHeight - frame.Height()) / 2);
    EXPECT_EQ(window["owner"], "");
    EXPECT_EQ(window["focus_class"], "Button");
    EXPECT_EQ(window["focus_text"], "Close");
}

TEST_F(InstructionsWindow, ASecondCommandMakesNoSecondWindow) {
    LauncherProcess launcher;
    Open(launcher);
    launcher.ClickCommand(kInstructions);
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(session_.CountWindows(kInstructions), 1);
}

TEST_F(InstructionsWindow, CloseHidesItAndTheNextCommandShowsItWhereAndAsLargeAsItWas) {
    LauncherProcess launcher;
    Open(launcher);
    ASSERT_EQ(session_.Probe({"move", kInstructions, "40", "30", "700", "520"}).ExitCode, 0);
    const WindowFacts moved = session_.WaitForWindow(kInstructions);
    ClickClose(moved);
    ASSERT_TRUE(WaitUntilHidden());
    const WindowFacts again = Open(launcher);
    EXPECT_EQ(session_.CountWindows(kInstructions), 1);
    const Rect before = moved.WindowRect(), after = again.WindowRect();
    EXPECT_EQ(after.Left, 40);
    EXPECT_EQ(after.Top, 30);
    EXPECT_EQ(after.Width(), 700);
    EXPECT_EQ(after.Height(), 520);
    EXPECT_EQ(before.Left, after.Left);
    EXPECT_EQ(before.Width(), after.Width());
}

TEST_F(InstructionsWindow, ResizingMovesNothingAndShowsMoreBackground) {
    LauncherProcess launcher;
    const WindowFacts window = Open(launcher);
    const Rect frame = window.WindowRect();
    const Rect client = window.ClientRect();
    const Screenshot before = session_.TakeScreenshot();
    ASSERT_EQ(session_.Probe({"move", kInstructions, std::to_string(frame.Left), std::to_string(frame.Top),
                              std::to_string(frame.Width() + 120), std::to_string(frame.Height() + 90)})
                  .ExitCode,
              0);
    std::this_thread::sleep_for(700ms);
    const Screenshot after = session_.TakeScreenshot();
    int changed = 0;
    for (int y = 0; y < 424; ++y)
        for (int x = 0; x < 570; ++x)
            changed += !(before.At(client.Left + x, client.Top + y) == after.At(client.Left + x, client.Top + y));
    EXPECT_EQ(changed, 0);
    const Rect grown = session_.FindWindow(kInstructions)->ClientRect();
    const Rect newArea{client.Left + 570, client.Top, grown.Right, grown.Bottom};
    EXPECT_EQ(after.Count(newArea, kWhite), newArea.Width() * newArea.Height());
}

TEST_F(InstructionsWindow, EscDoesNothingWhileSpaceAndEnterOnCloseHideIt) {
    LauncherProcess launcher;
    WindowFacts window = Open(launcher);
    PointAt(window);
    session_.PressKey("Escape");
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ((*session_.FindWindow(kInstructions))["visible"], "1");
    session_.PressKey("space");
    EXPECT_TRUE(WaitUntilHidden());
    window = Open(launcher);
    PointAt(window);
    session_.PressKey("Return");
    EXPECT_TRUE(WaitUntilHidden());
}

TEST_F(InstructionsWindow, TheLauncherStaysUsableBesideIt) {
    LauncherProcess launcher;
    MoveAsideFromTheLauncher(Open(launcher));
    launcher.ClickCommand("Help and Support");
    EXPECT_NO_THROW(session_.WaitForWindow("Menu"));
}

TEST_F(InstructionsWindow, ExitEndsTheProgramWithTheWindowShown) {
    LauncherProcess launcher;
    MoveAsideFromTheLauncher(Open(launcher));
    launcher.ClickCommand("Exit This Menu");
    EXPECT_EQ(launcher.WaitForExit(), 0);
    EXPECT_TRUE(session_.WaitForWindowGone(kInstructions));
}

TEST_F(InstructionsWindow, ExitEndsTheProgramWithTheWindowHidden) {
    LauncherProcess launcher;
    ClickClose(Open(launcher));
    ASSERT_TRUE(WaitUntilHidden());
    launcher.ClickCommand("Exit This Menu");
    EXPECT_EQ(launcher.WaitForExit(), 0);
    EXPECT_TRUE(session_.WaitForWindowGone(kInstructions));
}

TEST_F(InstructionsWindow, DrawsTextInsideEachLabelBoxAndNowhereElse) {
    LauncherProcess launcher;
    const WindowFacts window = Open(launcher);
    const Rect client = window.ClientRect();
    const Screenshot shot = session_.TakeScreenshot();
    int stray = 0;
    for (int y = 0; y < 424; ++y)
        for (int x = 0; x < 570; ++x) {
            bool inControl = kCloseButton.Contains({x, y});
            for (const Rect& box : kLabelBoxes)
                inControl = inControl || box.Contains({x, y});
            stray += !inControl && !(shot.At(client.Left + x, client.Top + y) == kWhite);
        }
    EXPECT_EQ(stray, 0);
    for (const Rect& box : kLabelBoxes) {
        const Rect onScreen{client.Left + box.Left, client.Top + box.Top, client.Left + box.Right,
                            client.Top + box.Bottom};
        EXPECT_GT(shot.Count(onScreen, kBlack), 100) << "label at " << box.Top;
    }
}

} // namespace
} // namespace vurozud::wine
