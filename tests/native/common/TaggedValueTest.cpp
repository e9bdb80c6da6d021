#include "TaggedValue.h"

#include <gtest/gtest.h>

namespace vurozud {
namespace {

TEST(TaggedValue, CarriesTheAutomationKindCodeOfWhatItHolds) {
    EXPECT_EQ(TaggedValue(std::int16_t{-1}).KindCode(), 2);
    EXPECT_EQ(TaggedValue(std::int32_t{7}).KindCode(), 3);
    EXPECT_EQ(TaggedValue(1024.0f).KindCode(), 4);
    EXPECT_EQ(TaggedValue(u"text").KindCode(), 8);
    EXPECT_EQ(TaggedValue(std::uint8_t{255}).KindCode(), 17);
    EXPECT_EQ(TaggedValue(ByteArray{1, 2, 3}).KindCode(), 8209);
}

TEST(TaggedValue, GivesBackTheValueItHolds) {
    EXPECT_EQ(TaggedValue(std::int16_t{-2}).As<std::int16_t>(), -2);
    EXPECT_EQ(TaggedValue(819.2f).As<float>(), 819.2f);
    EXPECT_EQ(TaggedValue(u"abc").As<std::u16string>(), u"abc");
    EXPECT_EQ(TaggedValue(ByteArray{9, 8}).As<ByteArray>(), (ByteArray{9, 8}));
    EXPECT_THROW(TaggedValue(std::int32_t{1}).As<float>(), std::bad_variant_access);
}

} // namespace
} // namespace vurozud
