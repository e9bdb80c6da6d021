#include "RecordingRegistry.h"
#include "clsRegistry.h"

#include "Failure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vurozud {
namespace {

using testing::RecordingRegistry;
using testing::RegistryCall;
using testing::RegistryFunction;
using Bytes = std::vector<std::uint8_t>;
using namespace std::string_literals;

constexpr RegistryKey kRoot = 0x80000001;
constexpr std::int32_t kTextKind = 8;
constexpr std::int32_t kByteArrayKind = 8209;

// Every test ends with no handle left open and none closed that the class did not open itself
// (which includes the root it was given).
class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(fake_.OpenKeys.empty()) << "a key handle was left open";
        EXPECT_EQ(fake_.UnownedCloses, 0) << "a handle was closed twice, or the root was closed";
    }

    std::int32_t Set(const TaggedValue& value, std::int32_t valueType = kTextKind, std::int32_t flag = 0) {
        return registry_.SetRegistryValue(kRoot, u"Software\\Vurozud Test", u"Value", value, valueType, flag);
    }

    // The one write made, after checking that the key was created, written once and closed.
    RegistryCall OnlyWrite() const {
        const std::vector<RegistryFunction> expected = {RegistryFunction::CreateKey, RegistryFunction::SetValue,
                                                        RegistryFunction::CloseKey};
        EXPECT_EQ(fake_.Sequence(), expected);
        const std::vector<RegistryCall> writes = fake_.CallsOf(RegistryFunction::SetValue);
        return writes.empty() ? RegistryCall{} : writes.front();
    }

    RecordingRegistry fake_;
    clsRegistry registry_{fake_};
};

// --- Creating the key ---

using SetRegistryValueKey = RegistryTest;

TEST_F(SetRegistryValueKey, IsCreatedBelowTheGivenRootWithTheKeyRightsAndInheritableDefaultSecurity) {
    ASSERT_EQ(registry_.SetRegistryValue(kRoot, u"Software\\Vurozud\\Deep\\Level", u"Name", std::int32_t{5}, 3),
              -1);

    const RegistryCall create = fake_.Calls.at(0);
    EXPECT_EQ(create.Function, RegistryFunction::CreateKey);
    EXPECT_EQ(create.Key, 0x80000001u);
    EXPECT_EQ(create.Name, "Software\\Vurozud\\Deep\\Level");
    EXPECT_EQ(create.AccessMask, 0x3Fu); // not KEY_ALL_ACCESS
    EXPECT_TRUE(create.InheritHandle);

    // The write and the close go to the handle the create handed back.
    EXPECT_EQ(fake_.Calls.at(1).Key, RecordingRegistry::kCreatedKey);
    EXPECT_EQ(fake_.Calls.at(2).Key, RecordingRegistry::kCreatedKey);
}

TEST_F(SetRegistryValueKey, PassesAnOpenCallerKeyUnchangedAndLeavesItOpen) {
    constexpr RegistryKey callerKey = 0x00004242;
    fake_.OpenKeys.insert(callerKey); // the caller's own, open before and after

    EXPECT_EQ(registry_.SetRegistryValue(callerKey, u"Sub", u"Name", std::int32_t{1}, 3), -1);

    EXPECT_EQ(fake_.Calls.at(0).Key, callerKey);
    EXPECT_EQ(fake_.CallsOf(RegistryFunction::CloseKey).size(), 1u);
    EXPECT_EQ(fake_.OpenKeys.erase(callerKey), 1u);
}

TEST_F(SetRegistryValueKey, NamesReachTheFunctionsInTheAnsiCodePage) {
    EXPECT_EQ(registry_.SetRegistryValue(kRoot, u"Caf\u00e9", u"\u00e9t\u00e9", std::int32_t{1}, 3), -1);

    EXPECT_EQ(fake_.Calls.at(0).Name, "Caf\x81\xe9");
    EXPECT_EQ(fake_.Calls.at(1).Name, "\x81\xe9t\x81\xe9");
}

TEST_F(SetRegistryValueKey, RefusedCreationAnswersFalseWritesNothingAndClosesNothing) {
    fake_.CreateStatus = 5; // access denied

    EXPECT_EQ(Set(u"text"), 0);

    EXPECT_EQ(fake_.Sequence(), std::vector<RegistryFunction>{RegistryFunction::CreateKey});
}

// --- Integers: a DWORD of the value widened to 32 bits, little-endian ---

struct DwordCase {
    const char* Name;
    TaggedValue Value;
    Bytes Expected;
};

class SetRegistryValueDword : public RegistryTest, public ::testing::WithParamInterface<DwordCase> {};

TEST_P(SetRegistryValueDword, IsWrittenAsFourLittleEndianBytes) {
    EXPECT_EQ(Set(GetParam().Value, 3), -1);

    const RegistryCall write = OnlyWrite();
    EXPECT_EQ(write.Key, RecordingRegistry::kCreatedKey);
    EXPECT_EQ(write.Name, "Value");
    EXPECT_EQ(write.Type, RegistryValueType::Dword);
    EXPECT_EQ(write.Count, 4u);
    EXPECT_EQ(write.Data, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SetRegistryValueDword,
    ::testing::Values(DwordCase{"IntegerMinusOneSignExtended", std::int16_t{-1}, {0xFF, 0xFF, 0xFF, 0xFF}},
                      DwordCase{"IntegerLowestSignExtended", std::int16_t{-32768}, {0x00, 0x80, 0xFF, 0xFF}},
                      DwordCase{"IntegerPositive", std::int16_t{0x1234}, {0x34, 0x12, 0x00, 0x00}},
                      DwordCase{"Long", std::int32_t{0x12345678}, {0x78, 0x56, 0x34, 0x12}},
                      DwordCase{"LongNegative", std::int32_t{-2}, {0xFE, 0xFF, 0xFF, 0xFF}},
                      DwordCase{"Byte255ZeroExtended", std::uint8_t{255}, {0xFF, 0x00, 0x00, 0x00}},
                      DwordCase{"Byte128ZeroExtended", std::uint8_t{0x80}, {0x80, 0x00, 0x00, 0x00}}),
    [](const ::testing::TestParamInfo<DwordCase>& info) { return std::string(info.param.Name); });

TEST_F(RegistryTest, IntegersIgnoreTheTextFlag) {
    EXPECT_EQ(Set(std::int16_t{7}, 2, 2), -1);

    const RegistryCall write = OnlyWrite();
    EXPECT_EQ(write.Type, RegistryValueType::Dword);
    EXPECT_EQ(write.Data, (Bytes{7, 0, 0, 0}));
}

// --- Texts: the flag picks the type; the ANSI bytes are written with one terminating zero ---

struct TextTypeCase {
    std::int32_t Flag;
    RegistryValueType Expected;
};

class SetRegistryValueTextFlag : public RegistryTest, public ::testing::WithParamInterface<TextTypeCase> {};

TEST_P(SetRegistryValueTextFlag, PicksTheStringType) {
    EXPECT_EQ(Set(u"abc", kTextKind, GetParam().Flag), -1);

    const RegistryCall write = OnlyWrite();
    EXPECT_EQ(write.Type, GetParam().Expected);
    EXPECT_EQ(write.Name, "Value");
    EXPECT_EQ(write.Count, 4u);
    EXPECT_EQ(write.Data, (Bytes{'a', 'b', 'c', 0}));
}

INSTANTIATE_TEST_SUITE_P(Flags, SetRegistryValueTextFlag,
                         ::testing::Values(TextTypeCase{0, RegistryValueType::String},
                                           TextTypeCase{1, RegistryValueType::ExpandString},
                                           TextTypeCase{2, RegistryValueType::MultiString},
                                           TextTypeCase{3, RegistryValueType::String},
                                           TextTypeCase{-1, RegistryValueType::String}));

using SetRegistryValueText = RegistryTest;

TEST_F(SetRegistryValueText, DefaultFlagWritesAPlainString) {
    EXPECT_EQ(registry_.SetRegistryValue(kRoot, u"Key", u"Value", u"x", kTextKind), -1);

    EXPECT_EQ(OnlyWrite().Type, RegistryValueType::String);
}

TEST_F(SetRegistryValueText, EmptyTextIsOneTerminatingZero) {
    EXPECT_EQ(Set(u""), -1);

    const RegistryCall write = OnlyWrite();
    EXPECT_EQ(write.Type, RegistryValueType::String);
    EXPECT_EQ(write.Count, 1u);
    EXPECT_EQ(write.Data, Bytes{0});
}

TEST_F(SetRegistryValueText, MultiStringKeepsTheCallersZerosAndGetsOneMore) {
    EXPECT_EQ(Set(u"ab\0c\0"s, kTextKind, 2), -1);

    const RegistryCall write = OnlyWrite();
    EXPECT_EQ(write.Type, RegistryValueType::MultiString);
    EXPECT_EQ(write.Count, 6u);
    EXPECT_EQ(write.Data, (Bytes{'a', 'b', 0, 'c', 0, 0}));
}

TEST_F(SetRegistryValueText, CountIsOfTheConvertedBytes) {
    EXPECT_EQ(Set(u"\u00e9a"), -1); // two characters, three bytes in a double-byte code page

    const RegistryCall write = OnlyWrite();
    EXPECT_EQ(write.Count, 4u);
    EXPECT_EQ(write.Data, (Bytes{0x81, 0xE9, 'a', 0}));
}

TEST_F(SetRegistryValueText, FailingConversionPassesOnAfterClosingTheKey) {
    fake_.FailingConversion = u"huge";

    EXPECT_THROW(Set(u"huge"), std::bad_alloc);

    const std::vector<RegistryFunction> expected = {RegistryFunction::CreateKey, RegistryFunction::CloseKey};
    EXPECT_EQ(fake_.Sequence(), expected);
}

// --- Byte arrays: binary data, every element from index 0 ---

using SetRegistryValueBytes = RegistryTest;

TEST_F(SetRegistryValueBytes, AreWrittenAsBinaryInElementOrder) {
    const Bytes bytes = {0x00, 0x01, 0xFE, 0xFF, 0x00};

    EXPECT_EQ(Set(bytes, kByteArrayKind), -1);

    const RegistryCall write = OnlyWrite();
    EXPECT_EQ(write.Type, RegistryValueType::Binary);
    EXPECT_EQ(write.Name, "Value");
    EXPECT_EQ(write.Count, 5u);
    EXPECT_EQ(write.Data, bytes);
}

TEST_F(SetRegistryValueBytes, IgnoreTheTextFlag) {
    EXPECT_EQ(Set(Bytes{9}, kByteArrayKind, 1), -1);

    EXPECT_EQ(OnlyWrite().Type, RegistryValueType::Binary);
}

TEST_F(SetRegistryValueBytes, EmptyArrayRaisesBadIndexAfterClosingTheKey) {
    try {
        Set(Bytes{}, kByteArrayKind);
        FAIL() << "an empty byte array must raise an error";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Kind(), FailureCodeKind::Hresult);
        EXPECT_EQ(failure.Code(), 0x8002000Bu);
    }

    const std::vector<RegistryFunction> expected = {RegistryFunction::CreateKey, RegistryFunction::CloseKey};
    EXPECT_EQ(fake_.Sequence(), expected);
}

// --- The value's own kind decides, never valueType ---

using SetRegistryValueKind = RegistryTest;

TEST_F(SetRegistryValueKind, TextWithTheByteArrayCodeIsStillText) {
    EXPECT_EQ(Set(u"abc", kByteArrayKind), -1);

    const RegistryCall write = OnlyWrite();
    EXPECT_EQ(write.Type, RegistryValueType::String);
    EXPECT_EQ(write.Data, (Bytes{'a', 'b', 'c', 0}));
}

TEST_F(SetRegistryValueKind, BytesWithTheTextCodeAreStillBinary) {
    EXPECT_EQ(Set(Bytes{1, 2, 3}, kTextKind), -1);

    const RegistryCall write = OnlyWrite();
    EXPECT_EQ(write.Type, RegistryValueType::Binary);
    EXPECT_EQ(write.Data, (Bytes{1, 2, 3}));
}

TEST_F(SetRegistryValueKind, SingleWritesNothingYetCreatesTheKeyAndAnswersTrue) {
    EXPECT_EQ(Set(1.5f, 4), -1);

    const std::vector<RegistryFunction> expected = {RegistryFunction::CreateKey, RegistryFunction::CloseKey};
    EXPECT_EQ(fake_.Sequence(), expected);
}

// --- Results of the write ---

using SetRegistryValueResult = RegistryTest;

TEST_F(SetRegistryValueResult, RefusedWriteAnswersFalseAndClosesTheKeyOnce) {
    fake_.SetStatus = 5;

    EXPECT_EQ(Set(Bytes{1}, kByteArrayKind), 0);

    OnlyWrite();
}

TEST_F(SetRegistryValueResult, FailingCloseDoesNotChangeASuccessfulWrite) {
    fake_.CloseStatus = 6; // invalid handle

    EXPECT_EQ(Set(u"abc"), -1);

    OnlyWrite();
}

TEST_F(SetRegistryValueResult, FailingCloseDoesNotRescueARefusedWrite) {
    fake_.SetStatus = 5;
    fake_.CloseStatus = 6;

    EXPECT_EQ(Set(u"abc"), 0);
}

// --- Deleting a value ---

using DeleteRegistryValueOrKey = RegistryTest;

TEST_F(DeleteRegistryValueOrKey, OpensTheExistingKeyDeletesTheValueAndClosesTheKey) {
    EXPECT_EQ(registry_.DeleteRegistryValueOrKey(kRoot, u"Software\\Vurozud\\Caf\u00e9", u"Old \u00e9"), -1);

    const std::vector<RegistryFunction> expected = {RegistryFunction::OpenKey, RegistryFunction::DeleteValue,
                                                    RegistryFunction::CloseKey};
    ASSERT_EQ(fake_.Sequence(), expected);
    const RegistryCall& open = fake_.Calls[0];
    EXPECT_EQ(open.Key, 0x80000001u);
    EXPECT_EQ(open.Name, "Software\\Vurozud\\Caf\x81\xe9");
    EXPECT_EQ(open.AccessMask, 0x3Fu);
    EXPECT_EQ(fake_.Calls[1].Key, RecordingRegistry::kOpenedKey);
    EXPECT_EQ(fake_.Calls[1].Name, "Old \x81\xe9");
    EXPECT_EQ(fake_.Calls[2].Key, RecordingRegistry::kOpenedKey);
}

TEST_F(DeleteRegistryValueOrKey, MissingKeyAnswersFalseAndNeitherCreatesNorClosesAnything) {
    fake_.OpenStatus = 2; // file not found

    EXPECT_EQ(registry_.DeleteRegistryValueOrKey(kRoot, u"Missing", u"Value"), 0);

    EXPECT_EQ(fake_.Sequence(), std::vector<RegistryFunction>{RegistryFunction::OpenKey});
}

TEST_F(DeleteRegistryValueOrKey, MissingValueAnswersFalseAndStillClosesTheKey) {
    fake_.DeleteStatus = 2;

    EXPECT_EQ(registry_.DeleteRegistryValueOrKey(kRoot, u"Key", u"Missing"), 0);

    const std::vector<RegistryFunction> expected = {RegistryFunction::OpenKey, RegistryFunction::DeleteValue,
                                                    RegistryFunction::CloseKey};
    EXPECT_EQ(fake_.Sequence(), expected);
}

TEST_F(DeleteRegistryValueOrKey, FailingCloseAfterADeletionAnswersFalse) {
    fake_.CloseStatus = 6;

    EXPECT_EQ(registry_.DeleteRegistryValueOrKey(kRoot, u"Key", u"Value"), 0);

    EXPECT_EQ(fake_.CallsOf(RegistryFunction::DeleteValue).size(), 1u);
    EXPECT_EQ(fake_.CallsOf(RegistryFunction::CloseKey).size(), 1u);
}

TEST_F(DeleteRegistryValueOrKey, CallerKeyIsUsedAsTheRootAndLeftOpen) {
    constexpr RegistryKey callerKey = 0x00004242;
    fake_.OpenKeys.insert(callerKey);

    EXPECT_EQ(registry_.DeleteRegistryValueOrKey(callerKey, u"Sub", u"Value"), -1);

    EXPECT_EQ(fake_.Calls.at(0).Key, callerKey);
    EXPECT_EQ(fake_.OpenKeys.erase(callerKey), 1u);
}

// --- One instance, many calls ---

TEST_F(RegistryTest, EachCallOpensAndClosesItsOwnKey) {
    EXPECT_EQ(registry_.DeleteRegistryValueOrKey(kRoot, u"Key", u"Value"), -1);
    EXPECT_EQ(Set(u"a"), -1);
    fake_.OpenStatus = 2;
    EXPECT_EQ(registry_.DeleteRegistryValueOrKey(kRoot, u"Key", u"Value"), 0);
    fake_.OpenStatus = kRegistrySuccess;
    EXPECT_EQ(registry_.DeleteRegistryValueOrKey(kRoot, u"Key", u"Value"), -1);

    EXPECT_EQ(fake_.CallsOf(RegistryFunction::CloseKey).size(), 3u);
}

} // namespace
} // namespace vurozud
