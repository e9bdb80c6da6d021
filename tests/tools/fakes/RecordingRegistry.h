#pragma once
// A stand-in for the registry functions that records every call with its arguments, hands out
// handles of its own, answers with the statuses a test sets, and keeps track of which handles are
// open, so that a handle closed twice, never closed, or not its own to close shows up.

#include "RegistryFunctions.h"

#include <cstdint>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vurozud::testing {

enum class RegistryFunction { CreateKey, SetValue, OpenKey, DeleteValue, CloseKey };

struct RegistryCall {
    RegistryFunction Function = {};
    RegistryKey Key = 0;
    std::string Name; // the sub key or the value name
    std::uint32_t AccessMask = 0;
    bool InheritHandle = false;
    RegistryValueType Type = {};
    std::vector<std::uint8_t> Data;
    std::uint32_t Count = 0;
};

class RecordingRegistry : public RegistryFunctions {
public:
    static constexpr RegistryKey kCreatedKey = 0x00C0FFEE;
    static constexpr RegistryKey kOpenedKey = 0x00ABCDEF;
    // What a refusing create or open leaves in the handle place: never to be closed.
    static constexpr RegistryKey kRefusedKey = 0x0BADBAD0;

    // The status each function answers with.
    RegistryStatus CreateStatus = kRegistrySuccess;
    RegistryStatus SetStatus = kRegistrySuccess;
    RegistryStatus OpenStatus = kRegistrySuccess;
    RegistryStatus DeleteStatus = kRegistrySuccess;
    RegistryStatus CloseStatus = kRegistrySuccess;

    // A text whose conversion fails as if memory had run out.
    std::optional<std::u16string> FailingConversion;

    std::vector<RegistryCall> Calls;
    std::set<RegistryKey> OpenKeys;
    int UnownedCloses = 0; // closes of a handle this stand-in did not hand out, or closed already

    RegistryStatus CreateKey(RegistryKey key, const std::string& subKey, std::uint32_t accessMask, bool inheritHandle,
                             RegistryKey& created) override {
        RegistryCall call = Started(RegistryFunction::CreateKey, key, subKey);
        call.AccessMask = accessMask;
        call.InheritHandle = inheritHandle;
        Calls.push_back(call);
        return HandOut(CreateStatus, kCreatedKey, created);
    }

    RegistryStatus SetValue(RegistryKey key, const std::string& valueName, RegistryValueType type,
                            std::span<const std::uint8_t> data) override {
        RegistryCall call = Started(RegistryFunction::SetValue, key, valueName);
        call.Type = type;
        call.Data.assign(data.begin(), data.end());
        call.Count = static_cast<std::uint32_t>(data.size());
        Calls.push_back(call);
        return SetStatus;
    }

    RegistryStatus OpenKey(RegistryKey key, const std::string& subKey, std::uint32_t accessMask,
                           RegistryKey& opened) override {
        RegistryCall call = Started(RegistryFunction::OpenKey, key, subKey);
        call.AccessMask = accessMask;
        Calls.push_back(call);
        return HandOut(OpenStatus, kOpenedKey, opened);
    }

    RegistryStatus DeleteValue(RegistryKey key, const std::string& valueName) override {
        Calls.push_back(Started(RegistryFunction::DeleteValue, key, valueName));
        return DeleteStatus;
    }

    RegistryStatus CloseKey(RegistryKey key) override {
        Calls.push_back(Started(RegistryFunction::CloseKey, key, {}));
        if (OpenKeys.erase(key) == 0)
            ++UnownedCloses;
        return CloseStatus;
    }

    // A double-byte code page of its own: characters below 0x80 stay one byte, every other one
    // becomes the two bytes 0x81 and its low byte, so converted lengths differ from text lengths.
    std::string AnsiCopy(std::u16string_view text) override {
        if (FailingConversion && text == *FailingConversion)
            throw std::bad_alloc();
        std::string ansi;
        for (const char16_t c : text) {
            if (c >= 0x80)
                ansi.push_back('\x81');
            ansi.push_back(static_cast<char>(c & 0xFF));
        }
        return ansi;
    }

    std::vector<RegistryFunction> Sequence() const {
        std::vector<RegistryFunction> sequence;
        for (const RegistryCall& call : Calls)
            sequence.push_back(call.Function);
        return sequence;
    }

    std::vector<RegistryCall> CallsOf(RegistryFunction function) const {
        std::vector<RegistryCall> found;
        for (const RegistryCall& call : Calls)
            if (call.Function == function)
                found.push_back(call);
        return found;
    }

private:
    static RegistryCall Started(RegistryFunction function, RegistryKey key, const std::string& name) {
        RegistryCall call;
        call.Function = function;
        call.Key = key;
        call.Name = name;
        return call;
    }

    RegistryStatus HandOut(RegistryStatus status, RegistryKey key, RegistryKey& result) {
        if (status != kRegistrySuccess) {
            result = kRefusedKey;
            return status;
        }
        OpenKeys.insert(key);
        result = key;
        return status;
    }
};

} // namespace vurozud::testing
