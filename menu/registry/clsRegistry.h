#pragma once
// The program's only access to the registry: writes one value, with the registry type following
// the kind of the value, and deletes one value. Each call opens its own key below the root it is
// given and closes it again before it returns; the root itself is never closed. Registry failures
// are not errors: they come back as a false result.

#include "RegistryFunctions.h"

#include "TaggedValue.h"

#include <cstdint>
#include <string_view>

namespace vurozud {

// The class's boolean results: true has all bits set.
inline constexpr std::int32_t kRegistryTrue = -1;
inline constexpr std::int32_t kRegistryFalse = 0;

class clsRegistry {
public:
    explicit clsRegistry(RegistryFunctions& functions) : functions_(functions) {}

    // Creates KeyName below hKey (every missing level) or opens it, and writes ValueName there. The kind of
    // Value decides the registry type: 16-bit, 32-bit and byte integers become a DWORD, texts a string (Flag 1:
    // expandable, 2: multi-string, otherwise plain), byte arrays binary data; any other kind writes nothing.
    // valueType is the caller's idea of the kind and is not consulted. True when the key was created or opened
    // and the write, where one was made, succeeded. An empty byte array is an error (bad index) that ends the program.
    std::int32_t SetRegistryValue(RegistryKey hKey, std::u16string_view KeyName, std::u16string_view ValueName,
                                  const TaggedValue& Value, std::int32_t valueType, std::int32_t Flag = 0);

    // Opens the existing key RegKeyName below hKey (never creating it) and deletes ValueName from it. True when
    // the key opened, the value was deleted and the key closed, each with success. Keys are never deleted.
    std::int32_t DeleteRegistryValueOrKey(RegistryKey hKey, std::u16string_view RegKeyName,
                                          std::u16string_view ValueName);

private:
    RegistryFunctions& functions_;
};

} // namespace vurozud
