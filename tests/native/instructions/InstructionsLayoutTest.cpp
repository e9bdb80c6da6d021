#include "InstructionsLayout.h"

#include "SupportAddress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vurozud {
namespace {

std::vector<InstructionsControl> AllControls() {
    std::vector<InstructionsControl> controls(kInstructionsLabels.begin(), kInstructionsLabels.end());
    controls.push_back(kInstructionsCommand1);
    return controls;
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TEST(InstructionsLayout, EveryPositionIsAWholePixel) {
    auto whole = [](int twips) { return twips % kTwipsPerPixel == 0; };
    EXPECT_TRUE(whole(kInstructionsClientSize.Width) && whole(kInstructionsClientSize.Height));
    EXPECT_EQ(ToPixels(kInstructionsClientSize.Width), 570);
    EXPECT_EQ(ToPixels(kInstructionsClientSize.Height), 424);
    for (const InstructionsControl& control : AllControls())
        EXPECT_TRUE(whole(control.Box.Left) && whole(control.Box.Top) && whole(control.Box.Width) &&
                    whole(control.Box.Height))
            << control.Name;
}

TEST(InstructionsLayout, EveryControlLiesInsideTheClientAreaAndHasRoom) {
    const PixelRect client{0, 0, ToPixels(kInstructionsClientSize.Width), ToPixels(kInstructionsClientSize.Height)};
    for (const InstructionsControl& control : AllControls()) {
        const PixelRect box = ToPixels(control.Box);
        EXPECT_GT(box.Width(), 0) << control.Name;
        EXPECT_GT(box.Height(), 0) << control.Name;
        EXPECT_GE(box.Left, client.Left) << control.Name;
        EXPECT_GE(box.Top, client.Top) << control.Name;
        EXPECT_LE(box.Right, client.Right) << control.Name;
        EXPECT_LE(box.Bottom, client.Bottom) << control.Name;
    }
}

TEST(InstructionsLayout, NoTwoControlsOverlap) {
    const std::vector<InstructionsControl> controls = AllControls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(Overlap(ToPixels(controls[i].Box), ToPixels(controls[j].Box)))
                << controls[i].Name << " and " << controls[j].Name;
}

TEST(InstructionsLayout, TheLabelsRunFromTopToBottomAboveTheButton) {
    for (std::size_t i = 1; i < kInstructionsLabels.size(); ++i) {
        const TwipRect& above = kInstructionsLabels[i - 1].Box;
        EXPECT_GE(kInstructionsLabels[i].Box.Top, above.Top + above.Height) << kInstructionsLabels[i].Name;
    }
    for (const InstructionsControl& label : kInstructionsLabels)
        EXPECT_LE(label.Box.Top + label.Box.Height, kInstructionsCommand1.Box.Top) << label.Name;
}

TEST(InstructionsLayout, TabOrderIsAPermutationOfTheControls) {
    std::vector<int> order;
    for (const InstructionsControl& control : AllControls())
        order.push_back(control.TabIndex);
    std::sort(order.begin(), order.end());
    std::vector<int> expected(order.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        expected[i] = static_cast<int>(i);
    EXPECT_EQ(order, expected);
}

TEST(InstructionsLayout, EachLabelAppearsOnceByName) {
    std::vector<std::string> names;
    for (const InstructionsControl& label : kInstructionsLabels)
        names.emplace_back(label.Name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"}));
}

// The window draws its texts with the ANSI functions: plain printable characters only, and no
// stray terminating zero carried into a text's length.
TEST(InstructionsLayout, TextsArePlainPrintableCharacters) {
    for (const InstructionsControl& control : AllControls()) {
        EXPECT_FALSE(control.Text.empty()) << control.Name;
        EXPECT_TRUE(std::all_of(control.Text.begin(), control.Text.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
            << control.Name;
        EXPECT_NE(control.Text.front(), ' ') << control.Name;
        EXPECT_NE(control.Text.back(), ' ') << control.Name;
    }
}

TEST(InstructionsLayout, Label4EndsWithTheSupportAddress) {
    const InstructionsControl& label4 =
        *std::find_if(kInstructionsLabels.begin(), kInstructionsLabels.end(),
                      [](const InstructionsControl& label) { return label.Name == "Label4"; });
    const std::string_view address = kSupportAddress;
    ASSERT_GT(label4.Text.size(), address.size());
    EXPECT_EQ(label4.Text.substr(label4.Text.size() - address.size()), address);
    EXPECT_EQ(label4.Text.substr(0, label4.Text.size() - address.size()),
              "For further support or any questions you may have, contact us at: ");
}

TEST(InstructionsLayout, BothFontsAreThirteenPixelsHighAtTheLayoutScale) {
    EXPECT_EQ(PointsToPixels(kInstructionsLabelFont.Points), 13);
    EXPECT_EQ(PointsToPixels(kInstructionsButtonFont.Points), 13);
}

} // namespace
} // namespace vurozud
