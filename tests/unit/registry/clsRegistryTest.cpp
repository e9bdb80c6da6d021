#include "Failure.h"
#include "RecordingRegistry.h"
#include "clsRegistry.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

// Every case ends with no handle left open; a handle closed twice, or one the class did not open (the root
// included), is a call too many in each case's call list.
class Registry : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(fake_.OpenKeys.empty()) << "a key handle was left open";
    }

    std::int32_t Set(const TaggedValue& value, std::int32_t valueType = 8, std::int32_t flag = 0) {
        return registry_.SetRegistryValue(kHkeyCurrentUser, u"Software\\Caf\u00e9", u"\u00e9t\u00e9", value,
                                          valueType, flag);
    }
    std::int32_t Delete() {
        return registry_.DeleteRegistryValueOrKey(kHkeyCurrentUser, u"Software\\Caf\u00e9", u"\u00e9t\u00e9");
    }

    const std::string create_ = "create 80000001 Software\\Caf\x81\xe9 3f inherit";
    const std::string open_ = "open 80000001 Software\\Caf\x81\xe9 3f";
    RecordingRegistry fake_;
    clsRegistry registry_{fake_};
};

// The value's own kind picks the type, never valueType; integers are widened to a little-endian DWORD
// (16-bit ones sign-extended, bytes zero-extended); texts carry one terminating zero in the count; a single
// writes nothing, yet the key is created and the answer is true.
TEST_F(Registry, WritesEachKindWithItsTypeCountAndBytesBetweenCreateAndClose) {
    const struct {
        TaggedValue Value;
        std::int32_t ValueType, Flag;
        const char* Write;
    } cases[] = {
        {std::int16_t{-32768}, 2, 0, "4 0080ffff"},       {std::int16_t{0x1234}, 2, 2, "4 34120000"},
        {std::int32_t{0x12345678}, 3, 0, "4 78563412"},   {std::uint8_t{255}, 17, 0, "4 ff000000"},
        {u"abc", 8, 0, "1 61626300"},                     {u"abc", 8, 1, "2 61626300"},
        {u"abc", 8, 2, "7 61626300"},                     {u"abc", 8, 3, "1 61626300"},
        {u"abc", 8, -1, "1 61626300"},                    {u"abc", 8209, 0, "1 61626300"},
        {u"", 8, 0, "1 00"},                              {u"ab\0c\0"s, 8, 2, "7 616200630000"},
        {u"\u00e9a", 8, 0, "1 81e96100"},                 {1.5f, 4, 0, nullptr},
        {ByteArray{0, 1, 0xFE, 0xFF, 0}, 8209, 0, "3 0001feff00"}, {ByteArray{1, 2, 3}, 8, 1, "3 010203"},
    };
    for (const auto& c : cases) {
        fake_.Calls.clear();
        EXPECT_EQ(Set(c.Value, c.ValueType, c.Flag), -1);
        Lines expected{create_, "close c0ffee"};
        if (c.Write)
            expected.insert(expected.begin() + 1, "set c0ffee \x81\xe9t\x81\xe9 "s + c.Write);
        EXPECT_EQ(fake_.Calls, expected);
    }
}

// Refusals come back as false; whatever was opened is closed once, a refused handle never. A delete opens the
// existing key (never creating it) and is true only when the open, the delete and the close all succeed.
TEST_F(Registry, ResultsFollowTheStatusOfEachCall) {
    EXPECT_EQ(Delete(), -1);
    EXPECT_EQ(fake_.Calls, (Lines{open_, "delete abcdef \x81\xe9t\x81\xe9", "close abcdef"}));
    const struct {
        bool Deleting;
        RegistryStatus First, Second, Close;
        std::int32_t Result;
        std::size_t Calls;
    } cases[] = {{false, 5, 0, 0, 0, 1}, {false, 0, 5, 0, 0, 3}, {false, 0, 0, 6, -1, 3}, {false, 0, 5, 6, 0, 3},
                 {true, 0, 0, 0, -1, 3}, {true, 2, 0, 0, 0, 1},  {true, 0, 2, 0, 0, 3},   {true, 0, 0, 6, 0, 3}};
    for (const auto& c : cases) {
        fake_.Calls.clear();
        fake_.Status = {{c.Deleting ? "open" : "create", c.First}, {c.Deleting ? "delete" : "set", c.Second},
                        {"close", c.Close}};
        EXPECT_EQ(c.Deleting ? Delete() : Set(u"abc"), c.Result) << c.Deleting << c.First << c.Second << c.Close;
        EXPECT_EQ(fake_.Calls.size(), c.Calls);
    }
}

// The error ends the program, with the key already closed: the program's end unwinds nothing.
TEST_F(Registry, AnEmptyByteArrayRaisesAnErrorAfterClosingTheKey) {
    try {
        Set(ByteArray{}, 8209);
        ADD_FAILURE() << "no error";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.Kind() == FailureCodeKind::Hresult && failure.Code() == 0x8002000B);
    }
    EXPECT_EQ(fake_.Calls, (Lines{create_, "close c0ffee"}));
}

} // namespace
} // namespace vurozud::test
