// The generator redraws the checked-in pictures byte for byte: they are what the Windows build
// compiles, so a change to the drawing code that is not followed by a redraw shows up here.

#include "ImageFileReader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h>

namespace vurozud::test {
namespace {

namespace fs = std::filesystem;

class DrawResourcesTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "draw_resources_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }

    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    static int Run(const fs::path& outputFolder) {
        const std::string command = "\"" DRAW_RESOURCES "\" \"" + outputFolder.string() + "\"";
        return std::system(command.c_str());
    }

    fs::path folder_;
};

TEST_F(DrawResourcesTest, RedrawsTheCheckedInFilesByteForByte) {
    ASSERT_EQ(Run(folder_), 0);
    for (const char* name : {"tree.ico", "pointing_hand.cur", "preview.bmp"}) {
        SCOPED_TRACE(name);
        const Bytes drawn = ReadBytes(folder_ / name);
        const Bytes checkedIn = ReadBytes(fs::path(RESOURCES_DIR) / name);
        EXPECT_EQ(drawn.size(), checkedIn.size());
        EXPECT_TRUE(drawn == checkedIn) << "run the redraw_resources target and commit the result";
    }
}

TEST_F(DrawResourcesTest, FailsWhenTheFolderCannotBeWritten) {
    EXPECT_NE(Run(folder_ / "missing" / "folder"), 0);
    EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

} // namespace
} // namespace vurozud::test
