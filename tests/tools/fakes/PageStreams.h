#pragma once
// Byte streams over memory for the page tests: a source that hands its bytes out in pieces of chosen sizes
// (so chunk boundaries fall anywhere), and a sink that collects what it is given.

#include "DesktopPage.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vurozud::reference {

class MemorySource : public ByteSource {
public:
    // Each read gives at most the next of pieceSizes bytes (cycling; 0 entries count as 1).
    explicit MemorySource(std::string_view bytes, std::vector<std::size_t> pieceSizes = {})
        : bytes_(bytes), pieceSizes_(std::move(pieceSizes)) {}

    std::size_t Read(std::span<char> buffer) override {
        std::size_t count = std::min(buffer.size(), bytes_.size() - offset_);
        if (!pieceSizes_.empty()) {
            count = std::min(count, std::max<std::size_t>(pieceSizes_[reads_ % pieceSizes_.size()], 1));
            ++reads_;
        }
        std::memcpy(buffer.data(), bytes_.data() + offset_, count);
        offset_ += count;
        return count;
    }

private:
    std::string_view bytes_;
    std::vector<std::size_t> pieceSizes_;
    std::size_t offset_ = 0;
    std::size_t reads_ = 0;
};

class StringSink : public ByteSink {
public:
    void Write(std::span<const char> bytes) override { bytes_.append(bytes.data(), bytes.size()); }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

} // namespace vurozud::reference
