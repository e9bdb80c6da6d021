#include "ShellState.h"

namespace vurozud {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::uint8_t ParseByte(std::string_view item) {
    const std::string_view lastTwo = item.substr(item.size() < 2 ? 0 : item.size() - 2);
    unsigned value = 0;
    for (const char c : lastTwo) {
        const int digit = HexDigit(c);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<std::uint8_t>(value);
}

} // namespace

ByteArray ParseShellStateText(std::string_view text) {
    ByteArray bytes;
    std::size_t start = 0;
    while (true) {
        const std::size_t space = text.find(' ', start);
        bytes.push_back(ParseByte(text.substr(start, space == std::string_view::npos ? space : space - start)));
        if (space == std::string_view::npos)
            break;
        start = space + 1;
    }
    bytes.push_back(0);
    return bytes;
}

ByteArray ShellStateBytes() { return ParseShellStateText(kShellStateText); }

void ReplaceShellState(clsRegistry& registry) {
    registry.DeleteRegistryValueOrKey(kShellStateRoot, kShellStateKeyName, kShellStateValueName);
    registry.SetRegistryValue(kShellStateRoot, kShellStateKeyName, kShellStateValueName,
                              TaggedValue(ShellStateBytes()), static_cast<std::int32_t>(ValueKind::ByteArray), 0);
}

} // namespace vurozud
