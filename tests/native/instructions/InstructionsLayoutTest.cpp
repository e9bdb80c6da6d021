#include "InstructionsLayout.h"

#include "SupportAddress.h"

#include <gtest/gtest.h>

#include <string>

namespace vurozud {
namespace {

TEST(InstructionsLayout, ClientAreaAndFontsFollowTheDisplay) {
    struct Case {
        int DotsPerInch;
        PixelSize Client;
        int FontPixels;
    };
    for (const Case& c : {Case{96, {570, 424}, 13}, Case{120, {712, 530}, 16}, Case{144, {855, 636}, 20}}) {
        const PixelSize client = ToPixels(kInstructionsClientSize, {c.DotsPerInch, c.DotsPerInch});
        EXPECT_EQ(client.Width, c.Client.Width) << c.DotsPerInch;
        EXPECT_EQ(client.Height, c.Client.Height) << c.DotsPerInch;
        EXPECT_EQ(PointsToPixels(kInstructionsLabelFont.Points, c.DotsPerInch), c.FontPixels) << c.DotsPerInch;
        EXPECT_EQ(PointsToPixels(kInstructionsButtonFont.Points, c.DotsPerInch), c.FontPixels) << c.DotsPerInch;
    }
}

TEST(InstructionsLayout, LastParagraphEndsWithTheSupportAddress) {
    EXPECT_EQ(kInstructionsLabels.back().Text,
              std::string("For further support or any questions you may have, contact us at: ") + kSupportAddress);
}

} // namespace
} // namespace vurozud
