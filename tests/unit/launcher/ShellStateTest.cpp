#include "RecordingRegistry.h"
#include "ShellState.h"
#include "clsRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vurozud {
namespace {

using testing::RecordingRegistry;
using testing::RegistryCall;
using testing::RegistryFunction;
using Bytes = std::vector<std::uint8_t>;

const Bytes kExpectedRecord = {
    0x1C, 0x00, 0x00, 0x00, // size of the record: 28
    0x63, 0x08, 0x00, 0x00, // shell flags 0x863, HTML desktop (0x40) among them
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x01, 0x00, 0x00, 0x00, // sort direction
    0x0A, 0x00, 0x00, 0x00, // record version
};

TEST(ShellStateBytes, AreTheTwentyEightBytesOfTheRecord) {
    const ByteArray bytes = ShellStateBytes();

    ASSERT_EQ(bytes.size(), 28u);
    EXPECT_EQ(bytes, kExpectedRecord);
    EXPECT_EQ(bytes[4] & 0x40, 0x40);
}

TEST(ShellStateText, ParsesItemByItemWithOneZeroAfterTheLast) {
    EXPECT_EQ(ParseShellStateText("ff"), (Bytes{0xFF, 0x00}));
    EXPECT_EQ(ParseShellStateText("0A b7 C3"), (Bytes{0x0A, 0xB7, 0xC3, 0x00}));
}

TEST(ShellStateText, ReadsTheLastTwoCharactersOfEachItem) {
    EXPECT_EQ(ParseShellStateText("1 abc 0x7f"), (Bytes{0x01, 0xBC, 0x7F, 0x00}));
}

TEST(ShellStateText, EmptyOrNonHexadecimalItemsReadAsWhatPrecedesTheFirstBadDigit) {
    // Two spaces make an empty item; "z1" has no leading digit; "4g" stops after the 4.
    EXPECT_EQ(ParseShellStateText("01  z1 4g"), (Bytes{0x01, 0x00, 0x00, 0x04, 0x00}));
}

TEST(ShellStateLocation, IsTheExplorerKeyOfTheCurrentUser) {
    EXPECT_EQ(kShellStateRoot, 0x80000001u);
    EXPECT_EQ(kShellStateKeyName, u"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer");
    EXPECT_EQ(kShellStateValueName, u"ShellState");
}

// The Run command's registry step, down to the registry functions.
class ReplaceShellStateInRegistry : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(fake_.OpenKeys.empty());
        EXPECT_EQ(fake_.UnownedCloses, 0);
    }

    RecordingRegistry fake_;
    clsRegistry registry_{fake_};
};

TEST_F(ReplaceShellStateInRegistry, DeletesTheOldValueThenWritesTwentyEightBinaryBytes) {
    ReplaceShellState(registry_);

    const std::vector<RegistryFunction> expected = {
        RegistryFunction::OpenKey,   RegistryFunction::DeleteValue, RegistryFunction::CloseKey,
        RegistryFunction::CreateKey, RegistryFunction::SetValue,    RegistryFunction::CloseKey};
    ASSERT_EQ(fake_.Sequence(), expected);
    for (const int index : {0, 3}) {
        EXPECT_EQ(fake_.Calls[index].Key, 0x80000001u);
        EXPECT_EQ(fake_.Calls[index].Name, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer");
    }
    EXPECT_EQ(fake_.Calls[1].Name, "ShellState");
    EXPECT_EQ(fake_.Calls[0].AccessMask, 0x3Fu);
    const RegistryCall& write = fake_.Calls[4];
    EXPECT_EQ(write.Name, "ShellState");
    EXPECT_EQ(write.Type, RegistryValueType::Binary);
    EXPECT_EQ(write.Count, 28u);
    EXPECT_EQ(write.Data, kExpectedRecord);
}

TEST_F(ReplaceShellStateInRegistry, WritesEvenWhenThereWasNoValueToDelete) {
    fake_.DeleteStatus = 2; // no such value

    ReplaceShellState(registry_);

    EXPECT_EQ(fake_.CallsOf(RegistryFunction::SetValue).size(), 1u);
}

TEST_F(ReplaceShellStateInRegistry, WritesEvenWhenTheKeyIsMissing) {
    fake_.OpenStatus = 2; // the key does not exist yet: the write creates it

    ReplaceShellState(registry_);

    EXPECT_EQ(fake_.CallsOf(RegistryFunction::CreateKey).size(), 1u);
    EXPECT_EQ(fake_.CallsOf(RegistryFunction::SetValue).size(), 1u);
}

} // namespace
} // namespace vurozud
