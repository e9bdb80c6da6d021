#pragma once
// The desktop page made the plain way, all in memory, line by line, exactly as the rule reads: the yardstick
// that the streaming transform is compared with. Slow and simple on purpose.

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace vurozud::reference {

inline std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

inline std::string ReferencePageTransform(std::string_view templateBytes, std::string_view widthText,
                                          std::string_view heightText) {
    const std::string pattern = "width=800 height=600";
    const std::string replacement = "width=" + std::string(widthText) + " height=" + std::string(heightText);
    std::string page = "\r\n";
    std::size_t next = 0;
    while (next < templateBytes.size()) {
        // A line runs up to CR or CR LF, which are not part of it; a lone LF is an ordinary byte.
        const std::size_t cr = std::min(templateBytes.find('\r', next), templateBytes.size());
        std::string line(templateBytes.substr(next, cr - next));
        next = cr + 1;
        if (next < templateBytes.size() && templateBytes[next] == '\n')
            ++next;
        // Lines whose pattern is found regardless of case have their exact-case patterns replaced.
        if (AsciiLower(line).find(AsciiLower(pattern)) != std::string::npos) {
            std::string replaced;
            std::size_t from = 0;
            for (std::size_t at; (at = line.find(pattern, from)) != std::string::npos; from = at + pattern.size())
                replaced += line.substr(from, at - from) + replacement;
            line = replaced + line.substr(from);
        }
        page += line + "\r\n";
    }
    return page;
}

} // namespace vurozud::reference
