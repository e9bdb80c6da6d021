#include "DesktopPage.h"

#include <memory>

namespace vurozud {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// A size pattern that fails to match can hold no start of another one: its first letter occurs nowhere else in
// it. So a byte that breaks a match is either the start of a new one or an ordinary byte.
static_assert(kPageSizePattern.find(kPageSizePattern.front(), 1) == std::string_view::npos);

// Gathers the page's bytes and gives them to the sink a buffer at a time. After a failed write it takes nothing
// more and keeps the failure.
class PageWriter {
public:
    explicit PageWriter(ByteSink& sink) : sink_(sink), buffer_(new char[kPageChunkSize]) {}

    void Put(char byte) {
        buffer_[size_++] = byte;
        if (size_ == kPageChunkSize)
            Flush();
    }

    void Put(std::string_view bytes) {
        for (const char byte : bytes)
            Put(byte);
    }

    MaybeFailure Flush() {
        if (size_ != 0 && !failure_)
            failure_ = sink_.Write({buffer_.get(), size_});
        size_ = 0;
        return failure_;
    }

    const MaybeFailure& Failed() const { return failure_; }

private:
    ByteSink& sink_;
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    MaybeFailure failure_;
};

} // namespace

MaybeFailure TransformDesktopPage(ByteSource& templateBytes, ByteSink& page, std::string_view widthText,
                                  std::string_view heightText) {
    const std::string sizeText = "width=" + std::string(widthText) + " height=" + std::string(heightText);
    const std::unique_ptr<char[]> chunk(new char[kPageChunkSize]);
    PageWriter writer(page);
    writer.Put(kLineBreak); // the page begins with an empty line

    std::size_t matched = 0; // how many of the size pattern's bytes the line has just had, held back
    bool afterCr = false;    // the last byte ended a line with a CR: an LF now is part of that line break
    bool lineOpen = false;   // the current line has bytes and no line break yet
    for (;;) {
        // No more of the template is read once the page cannot take it.
        if (writer.Failed())
            return writer.Failed();
        std::size_t count = 0;
        if (MaybeFailure failure = templateBytes.Read({chunk.get(), kPageChunkSize}, count))
            return failure;
        if (count == 0)
            break;
        for (const char byte : std::string_view(chunk.get(), count)) {
            if (afterCr) {
                afterCr = false;
                if (byte == '\n')
                    continue;
            }
            if (byte == '\r') {
                writer.Put(kPageSizePattern.substr(0, matched));
                matched = 0;
                writer.Put(kLineBreak);
                afterCr = true;
                lineOpen = false;
                continue;
            }
            lineOpen = true;
            if (byte != kPageSizePattern[matched]) {
                writer.Put(kPageSizePattern.substr(0, matched));
                matched = 0;
                if (byte != kPageSizePattern.front()) {
                    writer.Put(byte);
                    continue;
                }
            }
            if (++matched == kPageSizePattern.size()) {
                writer.Put(sizeText);
                matched = 0;
            }
        }
    }
    writer.Put(kPageSizePattern.substr(0, matched));
    if (lineOpen)
        writer.Put(kLineBreak);
    return writer.Flush();
}

} // namespace vurozud
