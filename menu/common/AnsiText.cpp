#include "AnsiText.h"

#include "Win32Error.h"

#include <windows.h>

namespace vurozud {

std::string ToAnsi(std::u16string_view text) {
    if (text.empty())
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int wideLength = static_cast<int>(text.size());
    const int length = CheckWin32(
        WideCharToMultiByte(CP_ACP, 0, wide, wideLength, nullptr, 0, nullptr, nullptr), "WideCharToMultiByte");
    std::string ansi(static_cast<std::size_t>(length), '\0');
    CheckWin32(WideCharToMultiByte(CP_ACP, 0, wide, wideLength, ansi.data(), length, nullptr, nullptr),
               "WideCharToMultiByte");
    return ansi;
}

std::u16string FromAnsi(std::string_view text) {
    if (text.empty())
        return {};
    const int ansiLength = static_cast<int>(text.size());
    const int length =
        CheckWin32(MultiByteToWideChar(CP_ACP, 0, text.data(), ansiLength, nullptr, 0), "MultiByteToWideChar");
    std::u16string wide(static_cast<std::size_t>(length), u'\0');
    CheckWin32(MultiByteToWideChar(CP_ACP, 0, text.data(), ansiLength, reinterpret_cast<wchar_t*>(wide.data()), length),
               "MultiByteToWideChar");
    return wide;
}

} // namespace vurozud
