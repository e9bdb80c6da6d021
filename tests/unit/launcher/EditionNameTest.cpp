#include "EditionName.h"

#include <gtest/gtest.h>

#include <climits>

namespace vurozud {
namespace {

std::u16string_view Name(std::int32_t platform, std::int32_t major, std::int32_t minor) {
    return EditionName(VersionNumbers{platform, major, minor});
}

TEST(EditionName, NoVersionRecordIsNone) { EXPECT_EQ(EditionName(std::nullopt), u"NONE"); }

TEST(EditionName, Win32sWhateverTheVersion) {
    EXPECT_EQ(Name(0, 0, 0), u"Win32s");
    EXPECT_EQ(Name(0, 3, 11), u"Win32s");
    EXPECT_EQ(Name(0, 10, -5), u"Win32s");
}

TEST(EditionName, TheWindows95Family) {
    EXPECT_EQ(Name(1, 4, 0), u"Windows 95");
    EXPECT_EQ(Name(1, 4, 10), u"Windows 98");
    EXPECT_EQ(Name(1, 4, 90), u"Windows 98"); // only major 5 and later is ME
    EXPECT_EQ(Name(1, 5, 0), u"Windows ME");
    EXPECT_EQ(Name(1, 6, 3), u"Windows ME");
    EXPECT_EQ(Name(1, 3, 95), u"Windows 95");
    EXPECT_EQ(Name(1, 0, 0), u"Windows 95");
}

TEST(EditionName, MinorVersionsAreSigned) {
    EXPECT_EQ(Name(1, 4, -1), u"Windows 95");
    EXPECT_EQ(Name(1, 4, INT_MIN), u"Windows 95");
    EXPECT_EQ(Name(1, 4, INT_MAX), u"Windows 98");
    EXPECT_EQ(Name(2, 5, -1), u"Windows XP");
}

TEST(EditionName, MajorVersionsAreSigned) {
    EXPECT_EQ(Name(1, -1, 0), u"Windows 95");
    EXPECT_EQ(Name(2, INT_MIN, 1), u"Windows NT");
}

TEST(EditionName, TheNtFamily) {
    EXPECT_EQ(Name(2, 3, 51), u"Windows NT");
    EXPECT_EQ(Name(2, 4, 0), u"Windows NT");
    EXPECT_EQ(Name(2, 5, 0), u"Windows 2000");
    EXPECT_EQ(Name(2, 5, 1), u"Windows XP");
    EXPECT_EQ(Name(2, 5, 2), u"Windows XP");
    EXPECT_EQ(Name(2, 6, 0), u"Windows 2000"); // only major >= 5 and minor = 0 is tested
    EXPECT_EQ(Name(2, 6, 1), u"Windows XP");
    EXPECT_EQ(Name(2, 10, 0), u"Windows 2000");
}

TEST(EditionName, UnknownPlatformsAreNone) {
    EXPECT_EQ(Name(3, 4, 0), u"NONE");
    EXPECT_EQ(Name(-1, 5, 1), u"NONE");
    EXPECT_EQ(Name(INT_MAX, 0, 0), u"NONE");
}

TEST(EditionName, OnlyTheExactNamesOfThe95FamilyCount) {
    EXPECT_TRUE(IsWindows95Family(u"Windows 95"));
    EXPECT_TRUE(IsWindows95Family(u"Windows 98"));
    EXPECT_TRUE(IsWindows95Family(u"Windows ME"));
    for (std::u16string_view other : {u"NONE", u"Win32s", u"Windows NT", u"Windows 2000", u"Windows XP",
                                      u"windows 98", u"WINDOWS ME", u"Windows Me", u"Windows 98 ", u""})
        EXPECT_FALSE(IsWindows95Family(other));
}

} // namespace
} // namespace vurozud
