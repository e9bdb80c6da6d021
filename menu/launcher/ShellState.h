#pragma once
// The shell's saved state on the Windows 95 family, rewritten by the Run command so that the shell
// shows an HTML desktop: where it lives in the registry and the record written there.

#include "RegistryFunctions.h"
#include "TaggedValue.h"
#include "clsRegistry.h"

#include <cstdint>
#include <string_view>

namespace vurozud {

inline constexpr RegistryKey kShellStateRoot = kHkeyCurrentUser;
inline constexpr std::u16string_view kShellStateKeyName = u"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
inline constexpr std::u16string_view kShellStateValueName = u"ShellState";

// The record, as hexadecimal numbers separated by single spaces: its size (28), the shell flag
// word 0x863 with the HTML-desktop flag (0x40) set, three empty words, the sort direction (1) and
// the record version (10). The last byte is left to the parsing below.
inline constexpr std::string_view kShellStateText =
    "1c 00 00 00 63 08 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 0a 00 00";

// Turns a byte text into bytes: the text is split at each single space; item i gives byte i, read
// as a hexadecimal number from the item's last two characters (leading hexadecimal digits only; none
// read as 0). The array has one element more than there are items, and that last element is 0.
ByteArray ParseShellStateText(std::string_view text);

// The 28 bytes of the record.
ByteArray ShellStateBytes();

// The registry step of the Run command: deletes the old value (a missing one is fine), then writes
// the record as an array of bytes. Both results are ignored: a registry failure does not stop the
// command.
void ReplaceShellState(clsRegistry& registry);

} // namespace vurozud
