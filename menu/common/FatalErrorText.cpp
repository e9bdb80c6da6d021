#include "FatalErrorText.h"

#include <cstdio>

namespace vurozud {

std::string ErrorNumberText(FailureCodeKind kind, std::uint32_t code) {
    char text[32];
    if (kind == FailureCodeKind::Hresult)
        std::snprintf(text, sizeof text, "%ld (%08lX)", static_cast<long>(static_cast<std::int32_t>(code)),
                      static_cast<unsigned long>(code));
    else
        std::snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(code));
    return text;
}

std::string FatalErrorText(FailureCodeKind kind, std::uint32_t code, std::string_view description) {
    while (!description.empty() && (description.back() == '\r' || description.back() == '\n' ||
                                    description.back() == ' '))
        description.remove_suffix(1);
    std::string text = "Run-time error '" + ErrorNumberText(kind, code) + "':\r\n\r\n";
    text += description.empty() ? std::string_view("Unknown error") : description;
    return text;
}

} // namespace vurozud
