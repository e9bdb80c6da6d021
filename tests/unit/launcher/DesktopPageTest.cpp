#include "DesktopPage.h"
#include "PageStreams.h"

#include <gtest/gtest.h>


namespace vurozud::test {
namespace {

using namespace std::string_literals;

std::string Transform(std::string_view bytes, std::vector<std::size_t> pieceSizes = {}) {
    MemorySource source(bytes, std::move(pieceSizes));
    StringSink page;
    EXPECT_FALSE(TransformDesktopPage(source, page, "1024", "768"));
    return page.Bytes;
}

TEST(DesktopPage, IsAnEmptyLineThenEachTemplateLineEndedInCrLfWithItsExactPatternsReplaced) {
    const struct {
        std::string Template, Page;
    } cases[] = {
        {"", "\r\n"},
        {"a\rb\r", "\r\na\r\nb\r\n"},
        {"a\nb\n", "\r\na\nb\n\r\n"},
        {"a\n\rb", "\r\na\n\r\nb\r\n"},
        {"a\r\r\nb", "\r\na\r\n\r\nb\r\n"},
        {"\r\n\r\r\n", "\r\n\r\n\r\n\r\n"},
        {"   <img width=800 height=600 border=0>\r\n", "\r\n   <img width=1024 height=768 border=0>\r\n"},
        {"width=800 height=600width=800 height=600", "\r\nwidth=1024 height=768width=1024 height=768\r\n"},
        {"x\rwidth=800 height=600\nwidth=800 height=600", "\r\nx\r\nwidth=1024 height=768\nwidth=1024 height=768\r\n"},
        {"width=800 height=6000", "\r\nwidth=1024 height=7680\r\n"},
        {"width=800 width=800 height=600", "\r\nwidth=800 width=1024 height=768\r\n"},
        {"WIDTH=800 HEIGHT=600 width=800 height=600", "\r\nWIDTH=800 HEIGHT=600 width=1024 height=768\r\n"},
        {"width=800  height=600", "\r\nwidth=800  height=600\r\n"},
        {"height=600 width=800", "\r\nheight=600 width=800\r\n"},
        {"width=800\r height=600", "\r\nwidth=800\r\n height=600\r\n"},
        {"width=800 he\r\night=600", "\r\nwidth=800 he\r\night=600\r\n"},
        {"width=800 height=60", "\r\nwidth=800 height=60\r\n"},
        {"\0\x1a\xff width=800 height=600\0"s, "\r\n\0\x1a\xff width=1024 height=768\0\r\n"s},
    };
    // The same bytes however the template arrives: a byte at a time puts a read's end at every place.
    for (const auto& c : cases)
        for (const std::vector<std::size_t>& pieces : {std::vector<std::size_t>{}, {1}, {3, 1, 7}})
            EXPECT_EQ(Transform(c.Template, pieces), c.Page) << ::testing::PrintToString(c.Template);
}

// A line far longer than the buffer goes through whole, written in pieces no larger than a chunk.
TEST(DesktopPage, StreamsALineLongerThanAnyBufferInBoundedPieces) {
    std::string line, page = "\r\n";
    for (int run = 0; run < 40000; ++run) // over a megabyte, no CR anywhere
        line += "width=800 height=600 <td>\x01\n</td> ", page += "width=1024 height=768 <td>\x01\n</td> ";
    MemorySource source(line);
    StringSink sink;
    EXPECT_FALSE(TransformDesktopPage(source, sink, "1024", "768"));
    EXPECT_TRUE(sink.Bytes == page + "\r\n");
    EXPECT_LE(sink.LargestWrite, kPageChunkSize);
}

} // namespace
} // namespace vurozud::test
