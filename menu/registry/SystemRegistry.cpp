#include "SystemRegistry.h"

#include "AnsiText.h"

#include <windows.h>

#include <cstdint>

namespace vurozud {
namespace {

// Handles pass through the portable code as numbers as wide as the handle.
static_assert(sizeof(HKEY) == sizeof(RegistryKey));
static_assert(static_cast<DWORD>(RegistryValueType::String) == REG_SZ);
static_assert(static_cast<DWORD>(RegistryValueType::ExpandString) == REG_EXPAND_SZ);
static_assert(static_cast<DWORD>(RegistryValueType::Binary) == REG_BINARY);
static_assert(static_cast<DWORD>(RegistryValueType::Dword) == REG_DWORD);
static_assert(static_cast<DWORD>(RegistryValueType::MultiString) == REG_MULTI_SZ);

HKEY ToHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }
RegistryKey FromHkey(HKEY key) { return reinterpret_cast<RegistryKey>(key); }

class Advapi32Registry final : public RegistryFunctions {
public:
    RegistryStatus CreateKey(RegistryKey key, const std::string& subKey, std::uint32_t accessMask, bool inheritHandle,
                             RegistryKey& created) override {
        // No security descriptor: the key gets the default security.
        SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, inheritHandle ? TRUE : FALSE};
        HKEY handle = nullptr;
        DWORD createdOrOpened = 0; // either will do
        const LONG status = RegCreateKeyExA(ToHkey(key), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                            accessMask, &attributes, &handle, &createdOrOpened);
        created = FromHkey(handle);
        return status;
    }

    RegistryStatus SetValue(RegistryKey key, const std::string& valueName, RegistryValueType type,
                            std::span<const std::uint8_t> data) override {
        return RegSetValueExA(ToHkey(key), valueName.c_str(), 0, static_cast<DWORD>(type), data.data(),
                              static_cast<DWORD>(data.size()));
    }

    RegistryStatus OpenKey(RegistryKey key, const std::string& subKey, std::uint32_t accessMask,
                           RegistryKey& opened) override {
        HKEY handle = nullptr;
        const LONG status = RegOpenKeyExA(ToHkey(key), subKey.c_str(), 0, accessMask, &handle);
        opened = FromHkey(handle);
        return status;
    }

    RegistryStatus DeleteValue(RegistryKey key, const std::string& valueName) override {
        return RegDeleteValueA(ToHkey(key), valueName.c_str());
    }

    RegistryStatus CloseKey(RegistryKey key) override { return RegCloseKey(ToHkey(key)); }

    std::string AnsiCopy(std::u16string_view text) override { return ToAnsi(text); }
};

} // namespace

RegistryFunctions& SystemRegistry() {
    static Advapi32Registry registry;
    return registry;
}

} // namespace vurozud
