// The registry class bound to advapi32, writing into the current user's registry below a key of its
// own that each test creates and removes again.

#include "Failure.h"
#include "ShellState.h"
#include "SystemRegistry.h"
#include "UniqueHandle.h"
#include "clsRegistry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vurozud {
namespace {

using namespace std::string_literals;
using Bytes = std::vector<std::uint8_t>;

constexpr RegistryKey kCurrentUser = 0x80000001;

struct StoredValue {
    DWORD Type = 0;
    Bytes Data;
};

std::u16string Wide(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

Bytes BytesOf(const std::string& text) { return {text.begin(), text.end()}; }

UniqueHkey OpenKey(const std::string& path, REGSAM access = KEY_READ) {
    UniqueHkey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, key.put()) != ERROR_SUCCESS)
        return {};
    return key;
}

bool KeyExists(const std::string& path) { return static_cast<bool>(OpenKey(path)); }

// The value as stored: its type and bytes, read with the ANSI query.
std::optional<StoredValue> ReadValue(const std::string& path, const std::string& name) {
    const UniqueHkey key = OpenKey(path);
    if (!key)
        return std::nullopt;
    StoredValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.Type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.Data.resize(size);
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.Type, value.Data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.Data.resize(size);
    return value;
}

// Deletes a key and everything below it, deepest keys first.
void DeleteTree(HKEY parent, const std::string& name) {
    {
        UniqueHkey key;
        if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
            return;
        char child[256];
        DWORD length = sizeof child;
        while (RegEnumKeyExA(key.get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
            DeleteTree(key.get(), child);
            length = sizeof child;
        }
    }
    RegDeleteKeyA(parent, name.c_str());
}

class SystemRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int counter = 0;
        testKey_ = "Software\\Vurozud Registry Test " + std::to_string(GetCurrentProcessId()) + "-" +
                   std::to_string(++counter);
        DeleteTree(HKEY_CURRENT_USER, testKey_);
    }

    void TearDown() override {
        DeleteTree(HKEY_CURRENT_USER, testKey_);
        EXPECT_FALSE(KeyExists(testKey_)) << "the test key was not removed";
    }

    std::string Path(const std::string& below = {}) const { return below.empty() ? testKey_ : testKey_ + "\\" + below; }

    std::int32_t Set(const std::string& keyBelow, const std::string& name, const TaggedValue& value,
                     std::int32_t valueType, std::int32_t flag = 0) {
        return registry_.SetRegistryValue(kCurrentUser, Wide(Path(keyBelow)), Wide(name), value, valueType, flag);
    }

    std::int32_t Delete(const std::string& keyBelow, const std::string& name) {
        return registry_.DeleteRegistryValueOrKey(kCurrentUser, Wide(Path(keyBelow)), Wide(name));
    }

    // Writes and reads back one value below the test key.
    std::optional<StoredValue> RoundTrip(const TaggedValue& value, std::int32_t valueType, std::int32_t flag = 0) {
        EXPECT_EQ(Set({}, "Value", value, valueType, flag), -1);
        return ReadValue(Path(), "Value");
    }

    std::string testKey_;
    clsRegistry registry_{SystemRegistry()};
};

// --- Every kind of value, as stored ---

using WrittenValue = SystemRegistryTest;

TEST_F(WrittenValue, IntegersAreLittleEndianDwords) {
    const auto integer = RoundTrip(std::int16_t{-1}, 2);
    ASSERT_TRUE(integer);
    EXPECT_EQ(integer->Type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(integer->Data, (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));

    const auto byte = RoundTrip(std::uint8_t{255}, 17);
    ASSERT_TRUE(byte);
    EXPECT_EQ(byte->Type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(byte->Data, (Bytes{0xFF, 0x00, 0x00, 0x00}));

    const auto longValue = RoundTrip(std::int32_t{0x12345678}, 3);
    ASSERT_TRUE(longValue);
    EXPECT_EQ(longValue->Type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(longValue->Data, (Bytes{0x78, 0x56, 0x34, 0x12}));
}

TEST_F(WrittenValue, TextsAreStoredWithTheirTerminatingZero) {
    const auto plain = RoundTrip(u"abc", 8);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(plain->Data, BytesOf("abc\0"s));

    const auto expandable = RoundTrip(u"%TEMP%\\x", 8, 1);
    ASSERT_TRUE(expandable);
    EXPECT_EQ(expandable->Type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(expandable->Data, BytesOf("%TEMP%\\x\0"s));

    const auto multi = RoundTrip(u"one\0two\0"s, 8, 2);
    ASSERT_TRUE(multi);
    EXPECT_EQ(multi->Type, static_cast<DWORD>(REG_MULTI_SZ));
    EXPECT_EQ(multi->Data, BytesOf("one\0two\0\0"s));

    const auto otherFlag = RoundTrip(u"abc", 8, 3);
    ASSERT_TRUE(otherFlag);
    EXPECT_EQ(otherFlag->Type, static_cast<DWORD>(REG_SZ));
}

TEST_F(WrittenValue, EmptyTextIsAnEmptyString) {
    const auto empty = RoundTrip(u"", 8);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(empty->Data, Bytes{0});
}

TEST_F(WrittenValue, TextReadsBackWideAsItWasGiven) {
    ASSERT_EQ(Set({}, "Accented", u"caf\u00e9", 8), -1);

    const UniqueHkey key = OpenKey(Path());
    ASSERT_TRUE(key);
    wchar_t text[16] = {};
    DWORD size = sizeof text;
    DWORD type = 0;
    ASSERT_EQ(RegQueryValueExW(key.get(), L"Accented", nullptr, &type, reinterpret_cast<BYTE*>(text), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(text), L"caf\u00e9");
}

TEST_F(WrittenValue, ByteArraysAreBinaryWithEveryElement) {
    const auto bytes = RoundTrip(Bytes{0x00, 0x7F, 0x80, 0xFF, 0x00}, 8209);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->Type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(bytes->Data, (Bytes{0x00, 0x7F, 0x80, 0xFF, 0x00}));
}

TEST_F(WrittenValue, TheValuesOwnKindDecidesNotTheTypeCode) {
    const auto text = RoundTrip(u"abc", 8209);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Type, static_cast<DWORD>(REG_SZ));

    const auto bytes = RoundTrip(Bytes{1, 2}, 8);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->Type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(bytes->Data, (Bytes{1, 2}));
}

TEST_F(WrittenValue, ReplacesAnEarlierValueOfTheSameName) {
    ASSERT_EQ(Set({}, "Value", u"text", 8), -1);
    ASSERT_EQ(Set({}, "Value", std::int32_t{7}, 3), -1);

    const auto stored = ReadValue(Path(), "Value");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored->Data, (Bytes{7, 0, 0, 0}));
}

TEST_F(WrittenValue, ShellStateRecordIsTwentyEightBinaryBytes) {
    const ByteArray record = ShellStateBytes();

    ASSERT_EQ(Set({}, "ShellState", record, 8209), -1);

    const auto stored = ReadValue(Path(), "ShellState");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(stored->Data.size(), 28u);
    EXPECT_EQ(stored->Data, record);
}

// --- Keys ---

using WrittenKey = SystemRegistryTest;

TEST_F(WrittenKey, EveryMissingLevelIsCreated) {
    ASSERT_FALSE(KeyExists(Path()));

    EXPECT_EQ(Set("One\\Two\\Three", "Value", std::int32_t{1}, 3), -1);

    EXPECT_TRUE(KeyExists(Path("One")));
    EXPECT_TRUE(KeyExists(Path("One\\Two")));
    EXPECT_TRUE(ReadValue(Path("One\\Two\\Three"), "Value"));
}

TEST_F(WrittenKey, SingleWritesNothingButTheKeyExistsAndTheResultIsTrue) {
    EXPECT_EQ(Set("Sub", "Value", 2.5f, 4), -1);

    EXPECT_TRUE(KeyExists(Path("Sub")));
    EXPECT_FALSE(ReadValue(Path("Sub"), "Value"));
}

TEST_F(WrittenKey, EmptyByteArrayIsAnErrorAndWritesNothing) {
    try {
        Set({}, "Value", Bytes{}, 8209);
        FAIL() << "an empty byte array must raise an error";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Code(), 0x8002000Bu);
    }

    EXPECT_TRUE(KeyExists(Path()));
    EXPECT_FALSE(ReadValue(Path(), "Value"));
}

TEST_F(WrittenKey, AnOpenCallerKeyServesAsTheRootAndStaysOpen) {
    UniqueHkey parent;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, parent.put(),
                              nullptr),
              ERROR_SUCCESS);
    const auto root = static_cast<RegistryKey>(reinterpret_cast<std::uintptr_t>(parent.get()));

    EXPECT_EQ(registry_.SetRegistryValue(root, u"Child", u"Value", std::int32_t{3}, 3), -1);
    EXPECT_EQ(registry_.DeleteRegistryValueOrKey(root, u"Child", u"Value"), -1);

    // The caller's handle still works after both calls.
    DWORD subKeys = 0;
    EXPECT_EQ(RegQueryInfoKeyA(parent.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 1u);
}

TEST_F(WrittenKey, AnInvalidRootGivesFalse) {
    EXPECT_EQ(registry_.SetRegistryValue(0, u"Software\\Nowhere", u"Value", std::int32_t{1}, 3), 0);
    EXPECT_EQ(registry_.DeleteRegistryValueOrKey(0, u"Software\\Nowhere", u"Value"), 0);
}

// --- Deleting values ---

using DeletedValue = SystemRegistryTest;

TEST_F(DeletedValue, LeavesTheKeyItsOtherValuesAndItsSubkeys) {
    ASSERT_EQ(Set({}, "Doomed", u"x", 8), -1);
    ASSERT_EQ(Set({}, "Kept", u"y", 8), -1);
    ASSERT_EQ(Set("Child", "Inner", std::int32_t{1}, 3), -1);

    EXPECT_EQ(Delete({}, "Doomed"), -1);

    EXPECT_FALSE(ReadValue(Path(), "Doomed"));
    EXPECT_TRUE(KeyExists(Path()));
    const auto kept = ReadValue(Path(), "Kept");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->Data, BytesOf("y\0"s));
    EXPECT_TRUE(ReadValue(Path("Child"), "Inner"));
}

TEST_F(DeletedValue, MissingValueGivesFalse) {
    ASSERT_EQ(Set({}, "Other", u"x", 8), -1);

    EXPECT_EQ(Delete({}, "Missing"), 0);

    EXPECT_TRUE(ReadValue(Path(), "Other"));
}

TEST_F(DeletedValue, BelowAMissingKeyGivesFalseAndCreatesNothing) {
    EXPECT_EQ(Delete("Missing\\Deeper", "Value"), 0);

    EXPECT_FALSE(KeyExists(Path()));
}

TEST_F(DeletedValue, DeleteThenWriteReplacesTheValueAsTheRunCommandDoes) {
    ASSERT_EQ(Set({}, "ShellState", Bytes{1, 2, 3}, 8209), -1);

    EXPECT_EQ(Delete({}, "ShellState"), -1);
    EXPECT_EQ(Delete({}, "ShellState"), 0); // already gone
    EXPECT_EQ(Set({}, "ShellState", ShellStateBytes(), 8209), -1);

    const auto stored = ReadValue(Path(), "ShellState");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Data, ShellStateBytes());
}

} // namespace
} // namespace vurozud
