#include "EditionName.h"

#include <gtest/gtest.h>

#include <climits>

namespace vurozud::test {
namespace {

TEST(EditionName, FollowsTheDecisionTableWithSignedFields) {
    const struct {
        std::int32_t Platform, Major, Minor;
        std::u16string_view Name;
    } cases[] = {
        {0, 0, 0, u"Win32s"},         {0, 10, -5, u"Win32s"},        {1, 4, 0, u"Windows 95"},
        {1, 3, 95, u"Windows 95"},    {1, 4, -1, u"Windows 95"},     {1, -1, 0, u"Windows 95"},
        {1, 4, 10, u"Windows 98"},    {1, 4, INT_MAX, u"Windows 98"}, {1, 5, 0, u"Windows ME"},
        {1, 6, 3, u"Windows ME"},     {2, 3, 51, u"Windows NT"},     {2, 4, 0, u"Windows NT"},
        {2, INT_MIN, 1, u"Windows NT"}, {2, 5, 0, u"Windows 2000"},  {2, 10, 0, u"Windows 2000"},
        {2, 5, 1, u"Windows XP"},     {2, 6, 1, u"Windows XP"},      {2, 5, -1, u"Windows XP"},
        {3, 4, 0, u"NONE"},           {-1, 5, 1, u"NONE"},           {INT_MAX, 0, 0, u"NONE"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EditionName(VersionNumbers{c.Platform, c.Major, c.Minor}), c.Name)
            << c.Platform << " " << c.Major << "." << c.Minor;
    EXPECT_EQ(EditionName(std::nullopt), u"NONE");
}

TEST(EditionName, OnlyTheExactNamesOfThe95FamilyCount) {
    for (std::u16string_view name : {u"Windows 95", u"Windows 98", u"Windows ME"})
        EXPECT_TRUE(IsWindows95Family(name));
    for (std::u16string_view other : {u"NONE", u"Win32s", u"Windows NT", u"Windows 2000", u"Windows XP",
                                      u"windows 98", u"WINDOWS ME", u"Windows Me", u"Windows 98 ", u""})
        EXPECT_FALSE(IsWindows95Family(other));
}

} // namespace
} // namespace vurozud::test
