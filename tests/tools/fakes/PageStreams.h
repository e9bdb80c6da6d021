#pragma once
// The page transform tests' byte streams over memory.

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

} // namespace vurozud::test
