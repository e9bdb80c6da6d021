#pragma once
// What the registry class needs from the platform: the five ANSI registry functions of advapi32,
// with the arguments the class decides (the rest are always the same and belong to the binding),
// and the conversion of the program's wide texts into the system's ANSI code page. On Windows one
// object binds them to the system (SystemRegistry.h); on other hosts a recording stand-in takes
// their place, so every decision can be checked.
//
// The conversion lives in the same interface because those functions are the only ones that take
// ANSI texts: whoever stands in for the registry also decides which code page its names are in.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vurozud {

// A registry key handle, as wide as a pointer.
using RegistryKey = std::uintptr_t;

// The predefined root of the current user's keys: the system defines it as the signed 32-bit number
// 0x80000001 widened to a handle.
inline constexpr RegistryKey kHkeyCurrentUser = static_cast<RegistryKey>(std::intptr_t{std::int32_t(0x80000001u)});

// 0 (ERROR_SUCCESS) on success, a system error code otherwise.
using RegistryStatus = std::int32_t;
inline constexpr RegistryStatus kRegistrySuccess = 0;

// The system's numbers for the kinds of registry value.
enum class RegistryValueType : std::uint32_t {
    String = 1,       // REG_SZ
    ExpandString = 2, // REG_EXPAND_SZ
    Binary = 3,       // REG_BINARY
    Dword = 4,        // REG_DWORD, little-endian
    MultiString = 7,  // REG_MULTI_SZ
};

class RegistryFunctions {
public:
    virtual ~RegistryFunctions() = default;

    // RegCreateKeyExA: opens subKey below key, creating every missing level, with the given access
    // and a handle that child processes inherit or not; the key gets the default security.
    virtual RegistryStatus CreateKey(RegistryKey key, const std::string& subKey, std::uint32_t accessMask,
                                     bool inheritHandle, RegistryKey& created) = 0;

    // RegSetValueExA: stores the bytes as the value valueName of the given type.
    virtual RegistryStatus SetValue(RegistryKey key, const std::string& valueName, RegistryValueType type,
                                    std::span<const std::uint8_t> data) = 0;

    // RegOpenKeyExA: opens an existing subKey below key with the given access.
    virtual RegistryStatus OpenKey(RegistryKey key, const std::string& subKey, std::uint32_t accessMask,
                                   RegistryKey& opened) = 0;

    // RegDeleteValueA.
    virtual RegistryStatus DeleteValue(RegistryKey key, const std::string& valueName) = 0;

    // RegCloseKey.
    virtual RegistryStatus CloseKey(RegistryKey key) = 0;

    // The text in the system's ANSI code page.
    virtual std::string AnsiCopy(std::u16string_view text) = 0;
};

} // namespace vurozud
