#pragma once
// A stand-in for the registry functions that writes every call down as one line of text, hands out
// handles of its own, answers with the statuses a test sets, and tracks which handles are open, so that a
// handle never closed shows up (one closed twice, or not its own to close, shows up as a call too many).
//
//   create ROOT SUBKEY ACCESS inherit     open ROOT SUBKEY ACCESS      delete KEY NAME
//   set KEY NAME TYPE BYTES               close KEY                    (numbers and bytes in hex)
// A close made while an error unwinds the stack ends in " unwinding".

#include "RegistryFunctions.h"

#include <charconv>
#include <exception>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace vurozud::test {

inline std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes)
        text += {"0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 15]};
    return text;
}

inline std::string Hex(std::uint32_t number) {
    char digits[8];
    return {digits, std::to_chars(digits, digits + sizeof digits, number, 16).ptr};
}

class RecordingRegistry : public RegistryFunctions {
public:
    static constexpr RegistryKey kCreatedKey = 0xC0FFEE;
    static constexpr RegistryKey kOpenedKey = 0xABCDEF;

    std::map<std::string, RegistryStatus> Status; // by the first word of the line; success when not set
    std::vector<std::string> Calls;
    std::set<RegistryKey> OpenKeys;

    RegistryStatus CreateKey(RegistryKey key, const std::string& subKey, std::uint32_t accessMask, bool inheritHandle,
                             RegistryKey& created) override {
        return HandOut("create " + Hex(key) + " " + subKey + " " + Hex(accessMask) + (inheritHandle ? " inherit" : ""),
                       kCreatedKey, created);
    }

    RegistryStatus SetValue(RegistryKey key, const std::string& valueName, RegistryValueType type,
                            std::span<const std::uint8_t> data) override {
        return Answer("set " + Hex(key) + " " + valueName + " " + Hex(static_cast<std::uint32_t>(type)) + " " +
                      Hex(data));
    }

    RegistryStatus OpenKey(RegistryKey key, const std::string& subKey, std::uint32_t accessMask,
                           RegistryKey& opened) override {
        return HandOut("open " + Hex(key) + " " + subKey + " " + Hex(accessMask), kOpenedKey, opened);
    }

    RegistryStatus DeleteValue(RegistryKey key, const std::string& valueName) override {
        return Answer("delete " + Hex(key) + " " + valueName);
    }

    RegistryStatus CloseKey(RegistryKey key) override {
        OpenKeys.erase(key);
        return Answer("close " + Hex(key) + (std::uncaught_exceptions() > 0 ? " unwinding" : ""));
    }

    // A double-byte code page of its own: a character from 0x80 up becomes 0x81 and its low byte.
    std::string AnsiCopy(std::u16string_view text) override {
        std::string ansi;
        for (const char16_t c : text) {
            if (c >= 0x80)
                ansi.push_back('\x81');
            ansi.push_back(static_cast<char>(c & 0xFF));
        }
        return ansi;
    }

private:
    RegistryStatus Answer(const std::string& line) {
        Calls.push_back(line);
        const auto found = Status.find(line.substr(0, line.find(' ')));
        return found == Status.end() ? kRegistrySuccess : found->second;
    }

    RegistryStatus HandOut(const std::string& line, RegistryKey key, RegistryKey& result) {
        const RegistryStatus status = Answer(line);
        if (status == kRegistrySuccess)
            OpenKeys.insert(key);
        result = status == kRegistrySuccess ? key : 0x0BADBAD0; // a refused handle is nothing to close
        return status;
    }
};

} // namespace vurozud::test
