// The instructions window through real clicks and keys: one instance, shown and hidden, keeping its place
// and size, its keyboard interface, what it draws, and the launcher staying usable beside it.

#include "WineSession.h"

#include <gtest/gtest.h>

#include <thread>

namespace vurozud::test {
namespace {

constexpr const char* kTitle = "Instructions and Controls";
constexpr Colour kBlack{0, 0, 0}, kWhite{255, 255, 255};
// In client pixels at 96 dots per inch: the launcher's command lines, and the labels and Close button here.
const Rect kInstructions{16, 248, 219, 265}, kSupport{32, 288, 209, 305}, kExit{32, 328, 209, 345};
const Rect kLabels[] = {{24, 32, 529, 73},   {24, 80, 545, 129},  {24, 144, 529, 185}, {24, 192, 545, 233},
                        {24, 240, 545, 281}, {24, 288, 529, 329}, {24, 336, 505, 361}};
const Rect kClose{240, 376, 321, 401};

class InstructionsWindow : public ::testing::Test {
protected:
    WindowFacts Show(LauncherProcess& launcher) {
        launcher.ClickClient(kInstructions);
        return session_.WaitForWindow(kTitle);
    }
    void Hide(const std::string& key) {
        session_.PressKey(key);
        session_.WaitForWindow(kTitle, false);
    }
    void Move(int x, int y, int width, int height) {
        ASSERT_EQ(session_.Probe({"move", kTitle, std::to_string(x), std::to_string(y), std::to_string(width),
                                  std::to_string(height)}).ExitCode, 0);
    }

    WineSession& session_ = WineSession::Get();
};

TEST_F(InstructionsWindow, IsOneWindowShownAndHiddenThatKeepsItsPlaceAndDrawsOnlyInItsLabels) {
    LauncherProcess launcher;
    WindowFacts window = Show(launcher);
    Rect frame = window.RectOf("window"), client = window.RectOf("client");
    EXPECT_EQ(client.Width(), 570);
    EXPECT_EQ(client.Height(), 424);
    EXPECT_EQ(frame.Left, (1024 - frame.Width()) / 2);
    EXPECT_EQ(frame.Top, (768 - frame.Height()) / 2);
    EXPECT_EQ(window["owner"], "");
    EXPECT_EQ(window["focus"], "Button Close");

    const Screenshot shot = session_.TakeScreenshot();
    int stray = 0;
    for (int y = 0; y < 424; ++y)
        for (int x = 0; x < 570; ++x) {
            bool inControl = kClose.Contains({x, y});
            for (const Rect& label : kLabels)
                inControl = inControl || label.Contains({x, y});
            stray += !inControl && !(shot.At(client.Left + x, client.Top + y) == kWhite);
        }
    EXPECT_EQ(stray, 0);
    for (const Rect& label : kLabels)
        EXPECT_GT(shot.Count({client.Left + label.Left, client.Top + label.Top, client.Left + label.Right,
                              client.Top + label.Bottom}, kBlack), 100) << "label at " << label.Top;

    // The command again makes no second window; Esc does nothing; Space and Enter on Close hide it.
    launcher.ClickClient(kInstructions);
    session_.MovePointerTo(client.Left + 300, client.Top + 10);
    session_.PressKey("Escape");
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(session_.WaitForWindow(kTitle)["count"], "1");
    Hide("space");
    Show(launcher);
    Hide("Return");

    // Moved, sized, closed with its button and shown again: where and as large as it was, not centred anew.
    Show(launcher);
    Move(40, 30, 700, 520);
    window = session_.WaitForWindow(kTitle);
    client = window.RectOf("client");
    session_.ClickAt({client.Left + kClose.Left, client.Top + kClose.Top, client.Left + kClose.Right,
                      client.Top + kClose.Bottom});
    session_.WaitForWindow(kTitle, false);
    window = Show(launcher);
    frame = window.RectOf("window");
    EXPECT_EQ(window["count"], "1");
    EXPECT_EQ(frame.Left, 40);
    EXPECT_EQ(frame.Top, 30);
    EXPECT_EQ(frame.Width(), 700);
    EXPECT_EQ(frame.Height(), 520);

    // Made larger, it moves nothing and shows more background.
    const Screenshot before = session_.TakeScreenshot();
    Move(40, 30, 820, 610);
    std::this_thread::sleep_for(700ms);
    const Screenshot after = session_.TakeScreenshot();
    int changed = 0;
    for (int y = 0; y < 424; ++y)
        for (int x = 0; x < 570; ++x)
            changed += !(before.At(client.Left + x, client.Top + y) == after.At(client.Left + x, client.Top + y));
    EXPECT_EQ(changed, 0);
    const Rect grown = session_.WaitForWindow(kTitle).RectOf("client");
    const Rect more{client.Left + 570, client.Top, grown.Right, grown.Bottom};
    EXPECT_EQ(after.Count(more, kWhite), more.Width() * more.Height());

    // Moved aside, it leaves the launcher usable; Exit ends the program and this window with it.
    Move(0, 0, 380, 180);
    launcher.ClickClient(kSupport);
    session_.ClickAt(session_.WaitForWindow("Menu").Button());
    ASSERT_TRUE(session_.WaitForWindowGone("Menu"));
    launcher.ClickClient(kExit);
    EXPECT_EQ(launcher.WaitForExit(), 0);
    EXPECT_TRUE(session_.WaitForWindowGone(kTitle));
}

} // namespace
} // namespace vurozud::test
