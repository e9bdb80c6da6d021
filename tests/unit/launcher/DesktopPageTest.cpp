#include "DesktopPage.h"
#include "MemoryByteStreams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace vurozud {
namespace {

using reference::MemorySource;
using reference::StringSink;
using namespace std::string_literals;

std::string Transform(std::string_view templateBytes, std::string_view width = "1024", std::string_view height = "768",
                      std::size_t chunkSize = kPageChunkSize, std::vector<std::size_t> pieceSizes = {}) {
    MemorySource source(templateBytes, std::move(pieceSizes));
    StringSink page;
    TransformDesktopPage(source, page, width, height, chunkSize);
    return page.Bytes();
}

struct Case {
    const char* what;
    std::string templateBytes;
    std::string page;
};

void ExpectPages(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Transform(c.templateBytes), c.page);
        // The same bytes however the template arrives.
        EXPECT_EQ(Transform(c.templateBytes, "1024", "768", kPageChunkSize, {1}), c.page);
        EXPECT_EQ(Transform(c.templateBytes, "1024", "768", kPageSizePattern.size(), {3, 1, 7}), c.page);
    }
}

TEST(DesktopPageTest, LinesEndInCrLfAfterOneEmptyLine) {
    ExpectPages({
        {"empty template", "", "\r\n"},
        {"one line without a line break", "<html>", "\r\n<html>\r\n"},
        {"CR LF lines, no extra empty line at the end", "a\r\nb\r\n", "\r\na\r\nb\r\n"},
        {"CR alone ends a line", "a\rb\r", "\r\na\r\nb\r\n"},
        {"lone LF is an ordinary byte", "a\nb\n", "\r\na\nb\n\r\n"},
        {"LF CR", "a\n\rb", "\r\na\n\r\nb\r\n"},
        {"CR CR LF is a line end and an empty line", "a\r\r\nb", "\r\na\r\n\r\nb\r\n"},
        {"CR LF LF", "a\r\n\nb", "\r\na\r\n\nb\r\n"},
        {"empty lines only", "\r\n\r\r\n", "\r\n\r\n\r\n\r\n"},
        {"just an LF", "\n", "\r\n\n\r\n"},
        {"just a CR", "\r", "\r\n\r\n"},
    });
}

TEST(DesktopPageTest, ReplacesEveryExactPatternAndKeepsTheRest) {
    ExpectPages({
        {"pattern inside a longer tag", "   <img src=\"tree.gif\" width=800 height=600 border=0>\r\n",
         "\r\n   <img src=\"tree.gif\" width=1024 height=768 border=0>\r\n"},
        {"pattern twice", "<a width=800 height=600><b width=800 height=600>",
         "\r\n<a width=1024 height=768><b width=1024 height=768>\r\n"},
        {"back to back", "width=800 height=600width=800 height=600",
         "\r\nwidth=1024 height=768width=1024 height=768\r\n"},
        {"whole line", "width=800 height=600", "\r\nwidth=1024 height=768\r\n"},
        {"on several lines", "width=800 height=600\r\nx\rwidth=800 height=600\nwidth=800 height=600",
         "\r\nwidth=1024 height=768\r\nx\r\nwidth=1024 height=768\nwidth=1024 height=768\r\n"},
        {"pattern followed by more digits", "width=800 height=6000", "\r\nwidth=1024 height=7680\r\n"},
        {"false start before the pattern", "width=800 width=800 height=600", "\r\nwidth=800 width=1024 height=768\r\n"},
        {"capitals are left alone", "<BODY WIDTH=800 HEIGHT=600>", "\r\n<BODY WIDTH=800 HEIGHT=600>\r\n"},
        {"one capital is enough to be left alone", "Width=800 height=600 width=800 Height=600",
         "\r\nWidth=800 height=600 width=800 Height=600\r\n"},
        {"only the exact one of two changes", "WIDTH=800 HEIGHT=600 width=800 height=600",
         "\r\nWIDTH=800 HEIGHT=600 width=1024 height=768\r\n"},
        {"two spaces", "width=800  height=600", "\r\nwidth=800  height=600\r\n"},
        {"reversed attributes", "height=600 width=800", "\r\nheight=600 width=800\r\n"},
        {"cut by a CR", "width=800\r height=600", "\r\nwidth=800\r\n height=600\r\n"},
        {"cut by CR LF", "width=800 he\r\night=600", "\r\nwidth=800 he\r\night=600\r\n"},
        {"one short", "width=800 height=60", "\r\nwidth=800 height=60\r\n"},
    });
}

TEST(DesktopPageTest, WritesTheSizeTextsAsGiven) {
    const std::string line = "<body width=800 height=600>";
    EXPECT_EQ(Transform(line, "819.2", "614.4"), "\r\n<body width=819.2 height=614.4>\r\n");
    EXPECT_EQ(Transform(line, "1024", "768"), "\r\n<body width=1024 height=768>\r\n");
    EXPECT_EQ(Transform(line, "819,2", "1200"), "\r\n<body width=819,2 height=1200>\r\n");
    EXPECT_EQ(Transform(line, "800", "600"), "\r\n<body width=800 height=600>\r\n");
    EXPECT_EQ(Transform(line, "", ""), "\r\n<body width= height=>\r\n");
}

TEST(DesktopPageTest, PassesEveryOtherByteThroughUntouched) {
    std::string everyByte;
    for (int value = 0; value < 256; ++value)
        if (value != '\r')
            everyByte += static_cast<char>(value);
    EXPECT_EQ(Transform(everyByte), "\r\n" + everyByte + "\r\n");

    const std::string odd = "\0\x1a\xff\xe9 width=800 height=600\0\x80"s;
    EXPECT_EQ(Transform(odd + "\r\n" + odd), "\r\n\0\x1a\xff\xe9 width=1024 height=768\0\x80\r\n"
                                             "\0\x1a\xff\xe9 width=1024 height=768\0\x80\r\n"s);
}

// Every placement of a pattern and of a CR LF around a chunk boundary, for a small chunk and for the real one.
TEST(DesktopPageTest, PatternsAndLineBreaksSplitAcrossChunksAreFound) {
    for (const std::size_t chunkSize : {kPageSizePattern.size(), std::size_t{64}, kPageChunkSize}) {
        for (std::size_t offset = chunkSize - kPageSizePattern.size(); offset <= chunkSize + 1; ++offset) {
            SCOPED_TRACE("chunk " + std::to_string(chunkSize) + ", offset " + std::to_string(offset));
            const std::string filler(offset, 'x');
            EXPECT_EQ(Transform(filler + "width=800 height=600 tail", "1024", "768", chunkSize),
                      "\r\n" + filler + "width=1024 height=768 tail\r\n");
            EXPECT_EQ(Transform(filler + "\r\nnext", "1024", "768", chunkSize), "\r\n" + filler + "\r\nnext\r\n");
            EXPECT_EQ(Transform(filler + "\rnext", "1024", "768", chunkSize), "\r\n" + filler + "\r\nnext\r\n");
            EXPECT_EQ(Transform(filler + "width=800 height=60", "1024", "768", chunkSize),
                      "\r\n" + filler + "width=800 height=60\r\n");
        }
    }
}

// A run of bytes repeated, from any phase, enough of it for any one read or write.
std::string Repeated(std::string_view run) {
    std::string bytes;
    while (bytes.size() < kPageChunkSize + run.size())
        bytes += run;
    return bytes;
}

// Produces one long line without holding it: a run of text with a pattern in it, repeated, no CR anywhere.
class LongLineSource : public ByteSource {
public:
    static constexpr std::string_view kRun = "width=800 height=600 <td class=\"bough\">\x01\xfe\n</td> ";

    explicit LongLineSource(std::size_t size) : size_(size), repeated_(Repeated(kRun)) {}

    std::size_t Read(std::span<char> buffer) override {
        const std::size_t phase = offset_ % kRun.size();
        const std::size_t count = std::min({buffer.size(), size_ - offset_, repeated_.size() - phase});
        std::memcpy(buffer.data(), repeated_.data() + phase, count);
        offset_ += count;
        return count;
    }

private:
    std::size_t size_;
    std::string repeated_;
    std::size_t offset_ = 0;
};

// Checks the page as it arrives, remembering only counts: the page is runs copies of pageRun between two CR LFs.
class CheckingSink : public ByteSink {
public:
    CheckingSink(std::string_view pageRun, std::size_t runs)
        : runLength_(pageRun.size()), repeated_(Repeated(pageRun)), size_(runs * pageRun.size() + 4) {}

    void Write(std::span<const char> bytes) override {
        largestWrite_ = std::max(largestWrite_, bytes.size());
        for (std::size_t i = 0; i < bytes.size();) {
            const std::size_t offset = received_ + i;
            if (offset < 2 || offset + 2 >= size_) {
                const char expected = offset == 0 || offset + 2 == size_ ? '\r' : '\n';
                mismatches_ += bytes[i] != expected;
                ++i;
                continue;
            }
            const std::size_t phase = (offset - 2) % runLength_;
            const std::size_t count = std::min({bytes.size() - i, size_ - 2 - offset, repeated_.size() - phase});
            mismatches_ += std::memcmp(bytes.data() + i, repeated_.data() + phase, count) != 0;
            i += count;
        }
        received_ += bytes.size();
    }

    std::size_t Received() const { return received_; }
    std::size_t Size() const { return size_; }
    std::size_t LargestWrite() const { return largestWrite_; }
    std::size_t Mismatches() const { return mismatches_; }

private:
    std::size_t runLength_;
    std::string repeated_;
    std::size_t size_;
    std::size_t received_ = 0;
    std::size_t largestWrite_ = 0;
    std::size_t mismatches_ = 0;
};

TEST(DesktopPageTest, StreamsALineLongerThanAnyBufferInBoundedPieces) {
    // 100 MB in one line: each pattern in it grows by two bytes, nothing else changes.
    const std::size_t runLength = LongLineSource::kRun.size();
    const std::size_t runs = 100 * 1024 * 1024 / runLength;
    std::string pageRun(LongLineSource::kRun);
    pageRun.replace(0, kPageSizePattern.size(), "width=1024 height=768");

    LongLineSource source(runs * runLength);
    CheckingSink page(pageRun, runs);
    TransformDesktopPage(source, page, "1024", "768");

    EXPECT_EQ(page.Received(), page.Size());
    EXPECT_EQ(page.Mismatches(), 0u);
    EXPECT_LE(page.LargestWrite(), kPageChunkSize);
}

} // namespace
} // namespace vurozud
