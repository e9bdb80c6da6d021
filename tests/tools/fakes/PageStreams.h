#pragma once
// The page tests' byte streams over memory, and the page made the plain way as their yardstick.

#include "DesktopPage.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vurozud::test {

// Hands its bytes out in pieces of the given sizes, cycling (none: as many as asked for), so that chunk
// boundaries fall anywhere.
class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes, std::vector<std::size_t> pieceSizes = {})
        : bytes_(bytes), pieceSizes_(std::move(pieceSizes)) {}

    MaybeFailure Read(std::span<char> buffer, std::size_t& count) override {
        count = std::min(buffer.size(), bytes_.size() - offset_);
        if (!pieceSizes_.empty())
            count = std::min(count, std::max<std::size_t>(pieceSizes_[reads_++ % pieceSizes_.size()], 1));
        std::memcpy(buffer.data(), bytes_.data() + offset_, count);
        offset_ += count;
        return std::nullopt;
    }

private:
    std::string_view bytes_;
    std::vector<std::size_t> pieceSizes_;
    std::size_t offset_ = 0, reads_ = 0;
};

class StringSink : public ByteSink {
public:
    MaybeFailure Write(std::span<const char> bytes) override {
        Bytes.append(bytes.data(), bytes.size());
        LargestWrite = std::max(LargestWrite, bytes.size());
        return std::nullopt;
    }
    std::string Bytes;
    std::size_t LargestWrite = 0;
};

// The page made all in memory, line by line, exactly as the rule reads. Slow and simple on purpose.
inline std::string ReferencePageTransform(std::string_view templateBytes, std::string_view width,
                                          std::string_view height) {
    const std::string pattern = "width=800 height=600";
    const std::string replacement = "width=" + std::string(width) + " height=" + std::string(height);
    const auto lower = [](std::string text) {
        for (char& c : text)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        return text;
    };
    std::string page = "\r\n";
    for (std::size_t next = 0; next < templateBytes.size();) {
        // A line runs up to CR or CR LF, which are not part of it; a lone LF is an ordinary byte.
        const std::size_t cr = std::min(templateBytes.find('\r', next), templateBytes.size());
        std::string line(templateBytes.substr(next, cr - next));
        next = cr + 1 + (cr + 1 < templateBytes.size() && templateBytes[cr + 1] == '\n');
        // Lines whose pattern is found regardless of case have their exact-case patterns replaced.
        if (lower(line).find(pattern) != std::string::npos) {
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

} // namespace vurozud::test
