#pragma once
// Names the Windows edition from the three numbers of the system's version record.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vurozud {

// The fields of the version record that decide the edition. All three are read as signed 32-bit
// numbers, the way the record's fields are declared.
struct VersionNumbers {
    std::int32_t PlatformId;
    std::int32_t MajorVersion;
    std::int32_t MinorVersion;
};

// The edition names are compared exactly by their users, so their letters are part of the interface.
inline constexpr std::u16string_view kEditionNone = u"NONE";
inline constexpr std::u16string_view kEditionWin32s = u"Win32s";
inline constexpr std::u16string_view kEditionWindows95 = u"Windows 95";
inline constexpr std::u16string_view kEditionWindows98 = u"Windows 98";
inline constexpr std::u16string_view kEditionWindowsMe = u"Windows ME";
inline constexpr std::u16string_view kEditionWindowsNt = u"Windows NT";
inline constexpr std::u16string_view kEditionWindows2000 = u"Windows 2000";
inline constexpr std::u16string_view kEditionWindowsXp = u"Windows XP";

// The edition for a version record, or "NONE" when the version query failed (no record) or the
// platform is unknown.
std::u16string_view EditionName(const std::optional<VersionNumbers>& version);

// True for the editions whose shell keeps its HTML-desktop switch in the saved shell state.
bool IsWindows95Family(std::u16string_view editionName);

} // namespace vurozud
