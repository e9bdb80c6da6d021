#include "EditionName.h"

namespace vurozud {
namespace {

constexpr std::int32_t kPlatformWin32s = 0;
constexpr std::int32_t kPlatformWindows = 1; // Windows 95, 98 and ME
constexpr std::int32_t kPlatformNt = 2;

} // namespace

std::u16string_view EditionName(const std::optional<VersionNumbers>& version) {
    if (!version)
        return kEditionNone;
    const auto [platform, major, minor] = *version;
    switch (platform) {
    case kPlatformWin32s:
        return kEditionWin32s;
    case kPlatformWindows:
        if (major >= 5)
            return kEditionWindowsMe;
        if (major == 4 && minor > 0)
            return kEditionWindows98;
        return kEditionWindows95;
    case kPlatformNt:
        if (major < 5)
            return kEditionWindowsNt;
        return minor == 0 ? kEditionWindows2000 : kEditionWindowsXp;
    default:
        return kEditionNone;
    }
}

bool IsWindows95Family(std::u16string_view editionName) {
    return editionName == kEditionWindows95 || editionName == kEditionWindows98 ||
           editionName == kEditionWindowsMe;
}

} // namespace vurozud
