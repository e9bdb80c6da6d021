// The registry class bound to advapi32, against Wine's own registry, below a key of its own.

#include "Check.h"
#include "RecordingRegistry.h"
#include "SystemRegistry.h"
#include "clsRegistry.h"

#include <windows.h>

namespace vurozud::test {
namespace {

using namespace std::string_literals;

const std::string kKey = "Software\\Vurozud Registry Test";

// The value as stored, "TYPE:BYTES", or what is missing.
std::string Stored(const std::string& key, const char* name) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return "no key";
    BYTE data[64];
    DWORD type = 0, size = sizeof data;
    const LONG status = RegQueryValueExA(handle, name, nullptr, &type, data, &size);
    RegCloseKey(handle);
    return status != ERROR_SUCCESS ? "no value" : std::to_string(type) + ":" + Hex({data, size});
}

void RemoveTestKeys() {
    for (const char* below : {"\\One\\Two\\Lasting", "\\One\\Two", "\\One", ""})
        RegDeleteKeyA(HKEY_CURRENT_USER, (kKey + below).c_str());
}

// The type, bytes and count the class chose reach the system unchanged (the byte array the program writes; a
// multi-string whose count takes in its zeros), every missing level of the key being created to last (the registry
// allows only volatile keys below a volatile one); a delete takes the value and leaves the key, and below a missing
// key it answers false and creates nothing.
TEST_CASE(ValuesAreStoredAsTheClassWritesThemAndDeletedAgain) {
    clsRegistry registry(SystemRegistry());
    const std::u16string key = u"Software\\Vurozud Registry Test\\One\\Two";
    const struct {
        TaggedValue Value;
        std::int32_t Flag;
        const char* Stored;
    } cases[] = {{ByteArray{0, 0x80, 0xFF}, 0, "3:0080ff"}, {u"a\0b\0"s, 2, "7:6100620000"}};
    for (const auto& c : cases) {
        RemoveTestKeys();
        CHECK_EQ(registry.SetRegistryValue(kHkeyCurrentUser, key, u"Value", c.Value, 8, c.Flag), -1);
        CHECK_EQ(Stored(kKey + "\\One\\Two", "Value"), c.Stored);
    }
    HKEY lasting = nullptr;
    CHECK_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (kKey + "\\One\\Two\\Lasting").c_str(), 0, nullptr,
                             REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &lasting, nullptr), ERROR_SUCCESS);
    RegCloseKey(lasting);
    registry.SetRegistryValue(kHkeyCurrentUser, key, u"Kept", std::int32_t{2}, 3);
    CHECK_EQ(registry.DeleteRegistryValueOrKey(kHkeyCurrentUser, key, u"Kept"), -1);
    CHECK_EQ(registry.DeleteRegistryValueOrKey(kHkeyCurrentUser, key, u"Kept"), 0);
    CHECK_EQ(Stored(kKey + "\\One\\Two", "Kept"), "no value");
    CHECK_EQ(registry.DeleteRegistryValueOrKey(kHkeyCurrentUser, key + u"\\Three", u"Kept"), 0);
    CHECK_EQ(Stored(kKey + "\\One\\Two\\Three", "Kept"), "no key");
    RemoveTestKeys();
}

} // namespace
} // namespace vurozud::test
