#include "SystemRegistry.h"

#include "AnsiText.h"

#include <windows.h>

#include <cstdint>

namespace vurozud {
namespace {

// Handles pass through the portable code as 32-bit numbers, which they are in a 32-bit program.
static_assert(sizeof(HKEY) == sizeof(RegistryKey), "the program is built for 32-bit Windows");
static_assert(sizeof(SECURITY_ATTRIBUTES) == 12, "the registry class passes the 32-bit record's size");
static_assert(static_cast<DWORD>(RegistryValueType::String) == REG_SZ);
static_assert(static_cast<DWORD>(RegistryValueType::ExpandString) == REG_EXPAND_SZ);
static_assert(static_cast<DWORD>(RegistryValueType::Binary) == REG_BINARY);
static_assert(static_cast<DWORD>(RegistryValueType::Dword) == REG_DWORD);
static_assert(static_cast<DWORD>(RegistryValueType::MultiString) == REG_MULTI_SZ);

HKEY ToHkey(RegistryKey key) { return reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(key)); }
RegistryKey FromHkey(HKEY key) { return static_cast<RegistryKey>(reinterpret_cast<std::uintptr_t>(key)); }

class Advapi32Registry final : public RegistryFunctions {
public:
    RegistryStatus CreateKey(RegistryKey key, const std::string& subKey, std::uint32_t reserved, const char* keyClass,
                             std::uint32_t options, std::uint32_t accessMask,
                             const SecurityAttributes* securityAttributes, RegistryKey* result,
                             std::uint32_t* disposition) override {
        SECURITY_ATTRIBUTES attributes{};
        if (securityAttributes) {
            attributes.nLength = securityAttributes->Length;
            attributes.lpSecurityDescriptor = const_cast<void*>(securityAttributes->SecurityDescriptor);
            attributes.bInheritHandle = securityAttributes->InheritHandle ? TRUE : FALSE;
        }
        HKEY created = nullptr;
        DWORD createdOrOpened = 0;
        const LONG status = RegCreateKeyExA(ToHkey(key), subKey.c_str(), reserved, const_cast<char*>(keyClass),
                                            options, accessMask, securityAttributes ? &attributes : nullptr,
                                            &created, disposition ? &createdOrOpened : nullptr);
        if (result)
            *result = FromHkey(created);
        if (disposition)
            *disposition = createdOrOpened;
        return status;
    }

    RegistryStatus SetValue(RegistryKey key, const std::string& valueName, std::uint32_t reserved,
                            RegistryValueType type, const std::uint8_t* data, std::uint32_t count) override {
        return RegSetValueExA(ToHkey(key), valueName.c_str(), reserved, static_cast<DWORD>(type), data, count);
    }

    RegistryStatus OpenKey(RegistryKey key, const std::string& subKey, std::uint32_t options,
                           std::uint32_t accessMask, RegistryKey* result) override {
        HKEY opened = nullptr;
        const LONG status = RegOpenKeyExA(ToHkey(key), subKey.c_str(), options, accessMask, &opened);
        if (result)
            *result = FromHkey(opened);
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
