#include "clsRegistry.h"

#include "Failure.h"

#include <array>

namespace vurozud {
namespace {

// KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY |
// KEY_CREATE_LINK: the key's own rights, without the standard rights that KEY_ALL_ACCESS adds.
constexpr std::uint32_t kKeyAccess = 0x3F;

// A created key's handle may be inherited by child processes.
constexpr bool kInheritHandle = true;

constexpr std::int32_t kFlagExpandString = 1;
constexpr std::int32_t kFlagMultiString = 2;

constexpr std::int32_t BooleanResult(bool success) { return success ? kRegistryTrue : kRegistryFalse; }

// A key this class opened. It is closed exactly once: by Close where the caller counts the result or
// an error follows, otherwise when the scope ends.
class OpenedKey {
public:
    OpenedKey(RegistryFunctions& functions, RegistryKey key) : functions_(functions), key_(key) {}
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    ~OpenedKey() {
        if (open_)
            functions_.CloseKey(key_);
    }

    RegistryKey Get() const { return key_; }
    RegistryStatus Close() {
        open_ = false;
        return functions_.CloseKey(key_);
    }

private:
    RegistryFunctions& functions_;
    RegistryKey key_;
    bool open_ = true;
};

RegistryStatus WriteDword(RegistryFunctions& functions, RegistryKey key, const std::string& valueName,
                          std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    const std::array<std::uint8_t, 4> littleEndian = {
        static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
        static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
    return functions.SetValue(key, valueName, RegistryValueType::Dword, littleEndian);
}

RegistryValueType TextType(std::int32_t flag) {
    switch (flag) {
    case kFlagExpandString:
        return RegistryValueType::ExpandString;
    case kFlagMultiString:
        return RegistryValueType::MultiString;
    default:
        return RegistryValueType::String;
    }
}

// Text values are stored with one terminating zero, counted in the size: readers of a string
// value rely on it. A multi-string's separators and closing zeros are the caller's, inside the text.
RegistryStatus WriteText(RegistryFunctions& functions, RegistryKey key, const std::string& valueName,
                         std::u16string_view text, std::int32_t flag) {
    const std::string ansi = functions.AnsiCopy(text);
    const auto* data = reinterpret_cast<const std::uint8_t*>(ansi.c_str());
    return functions.SetValue(key, valueName, TextType(flag), {data, ansi.size() + 1});
}

RegistryStatus WriteBytes(RegistryFunctions& functions, RegistryKey key, const std::string& valueName,
                          const ByteArray& bytes) {
    return functions.SetValue(key, valueName, RegistryValueType::Binary, bytes);
}

// Writes the value with the registry type its kind calls for; a kind without one writes nothing
// and succeeds.
RegistryStatus WriteValue(RegistryFunctions& functions, RegistryKey key, const std::string& valueName,
                          const TaggedValue& value, std::int32_t flag) {
    switch (value.Kind()) {
    case ValueKind::Integer:
        return WriteDword(functions, key, valueName, value.As<std::int16_t>()); // sign-extended
    case ValueKind::Long:
        return WriteDword(functions, key, valueName, value.As<std::int32_t>());
    case ValueKind::Byte:
        return WriteDword(functions, key, valueName, value.As<std::uint8_t>()); // zero-extended
    case ValueKind::Text:
        return WriteText(functions, key, valueName, value.As<std::u16string>(), flag);
    case ValueKind::ByteArray:
        return WriteBytes(functions, key, valueName, value.As<ByteArray>());
    case ValueKind::Single:
        break;
    }
    return kRegistrySuccess;
}

} // namespace

std::int32_t clsRegistry::SetRegistryValue(RegistryKey hKey, std::u16string_view KeyName,
                                           std::u16string_view ValueName, const TaggedValue& Value,
                                           [[maybe_unused]] std::int32_t valueType, std::int32_t Flag) {
    const std::string ansiKeyName = functions_.AnsiCopy(KeyName);
    const std::string ansiValueName = functions_.AnsiCopy(ValueName);
    RegistryKey created = 0;
    if (functions_.CreateKey(hKey, ansiKeyName, kKeyAccess, kInheritHandle, created) != kRegistrySuccess)
        return kRegistryFalse;

    // The close's own result does not change the outcome of a write.
    OpenedKey key(functions_, created);
    if (Value.Kind() == ValueKind::ByteArray && Value.As<ByteArray>().empty()) {
        // An array without elements has no first element to start the data at: an error, raised with the key
        // closed.
        key.Close();
        EndWithFatalError(Failure::Hresult(kHresultBadIndex, "SetRegistryValue"));
    }
    return BooleanResult(WriteValue(functions_, key.Get(), ansiValueName, Value, Flag) == kRegistrySuccess);
}

std::int32_t clsRegistry::DeleteRegistryValueOrKey(RegistryKey hKey, std::u16string_view RegKeyName,
                                                   std::u16string_view ValueName) {
    const std::string ansiKeyName = functions_.AnsiCopy(RegKeyName);
    const std::string ansiValueName = functions_.AnsiCopy(ValueName);
    RegistryKey opened = 0;
    if (functions_.OpenKey(hKey, ansiKeyName, kKeyAccess, opened) != kRegistrySuccess)
        return kRegistryFalse;

    OpenedKey key(functions_, opened);
    const RegistryStatus deleted = functions_.DeleteValue(key.Get(), ansiValueName);
    const RegistryStatus closed = key.Close();
    return BooleanResult(deleted == kRegistrySuccess && closed == kRegistrySuccess);
}

} // namespace vurozud
