#include "DesktopPage.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace vurozud {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::size_t kPatternLength = kPageSizePattern.size();

// Finds the size pattern by skipping ahead on the byte under the pattern's last position (Horspool), so most
// of the template is never looked at byte by byte.
class PatternFinder {
public:
    constexpr PatternFinder() {
        skip_.fill(kPatternLength);
        for (std::size_t i = 0; i + 1 < kPatternLength; ++i)
            skip_[static_cast<unsigned char>(kPageSizePattern[i])] = kPatternLength - 1 - i;
    }

    // The first pattern that lies wholly in [begin, end), or end.
    const char* Find(const char* begin, const char* end) const {
        if (end - begin < static_cast<std::ptrdiff_t>(kPatternLength))
            return end;
        const char* const lastCandidate = end - kPatternLength;
        for (const char* start = begin; start <= lastCandidate;) {
            const unsigned char under = static_cast<unsigned char>(start[kPatternLength - 1]);
            if (under == static_cast<unsigned char>(kPageSizePattern.back()) &&
                std::memcmp(start, kPageSizePattern.data(), kPatternLength - 1) == 0)
                return start;
            start += skip_[under];
        }
        return end;
    }

private:
    std::array<std::size_t, 256> skip_{};
};

constexpr PatternFinder kPatternFinder;

// The first CR in [begin, limit) that is not followed by LF, or limit. A CR LF pair is already a page line
// break and passes through as it is; a lone CR needs its LF. The byte after each CR before limit is in the
// buffer, except at the template's very end, where end is that byte's place.
const char* FindLoneCr(const char* begin, const char* limit, const char* end) {
    while (begin < limit) {
        const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', static_cast<std::size_t>(limit - begin)));
        if (cr == nullptr)
            return limit;
        if (cr + 1 == end || cr[1] != '\n')
            return cr;
        begin = cr + 2;
    }
    return limit;
}

// Remembers the template's last two bytes, which tell whether its last line ended with a line break.
class TemplateEnding {
public:
    void Note(const char* bytes, std::size_t count) {
        if (count == 0)
            return;
        empty_ = false;
        beforeLast_ = count >= 2 ? bytes[count - 2] : last_;
        last_ = bytes[count - 1];
    }

    bool LastLineOpen() const { return !empty_ && last_ != '\r' && !(last_ == '\n' && beforeLast_ == '\r'); }

private:
    bool empty_ = true;
    char last_ = 0;
    char beforeLast_ = 0;
};

// Gathers the small pieces around each change into large writes; long runs of unchanged bytes go straight
// from the input buffer to the sink.
class PageWriter {
public:
    explicit PageWriter(ByteSink& sink) : sink_(sink), buffer_(new char[kCapacity]) {}

    void Append(std::string_view bytes) { Append(bytes.data(), bytes.data() + bytes.size()); }

    void Append(const char* begin, const char* end) {
        const auto count = static_cast<std::size_t>(end - begin);
        if (count >= kDirectWrite) {
            Flush();
            sink_.Write({begin, count});
            return;
        }
        if (count > kCapacity - size_)
            Flush();
        std::memcpy(buffer_.get() + size_, begin, count);
        size_ += count;
    }

    void Flush() {
        if (size_ != 0)
            sink_.Write({buffer_.get(), size_});
        size_ = 0;
    }

private:
    static constexpr std::size_t kCapacity = 64 * 1024;
    static constexpr std::size_t kDirectWrite = 16 * 1024;

    ByteSink& sink_;
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
};

} // namespace

std::string PageSizeText(std::string_view widthText, std::string_view heightText) {
    std::string text = "width=";
    text += widthText;
    text += " height=";
    text += heightText;
    return text;
}

void TransformDesktopPage(ByteSource& templateBytes, ByteSink& page, std::string_view widthText,
                          std::string_view heightText, std::size_t chunkSize) {
    const std::string sizeText = PageSizeText(widthText, heightText);
    chunkSize = std::max(chunkSize, kPatternLength);
    const std::unique_ptr<char[]> buffer(new char[chunkSize]);
    PageWriter writer(page);
    TemplateEnding ending;
    writer.Append(kLineBreak);

    // Bytes at the start of the buffer that the last round left for this one.
    std::size_t held = 0;
    for (;;) {
        const std::size_t count = templateBytes.Read({buffer.get() + held, chunkSize - held});
        const bool atEnd = count == 0;
        ending.Note(buffer.get() + held, count);
        const char* at = buffer.get();
        const char* const end = at + held + count;
        // Until the end, the last bytes may begin a pattern that the next chunk completes, or be a CR whose
        // LF is still to come: they wait for the next round. Neither pattern nor line break holds a CR
        // inside, so bytes before this point are settled.
        const char* const settled = atEnd ? end : end - std::min(held + count, kPatternLength - 1);

        const char* match = kPatternFinder.Find(at, end);
        const char* loneCr = FindLoneCr(at, settled, end);
        while (at < settled) {
            const char* const stop = std::min({match, loneCr, settled});
            if (stop == settled) {
                writer.Append(at, settled);
                at = settled;
            } else if (stop == match) {
                writer.Append(at, match);
                writer.Append(sizeText);
                at = match + kPatternLength;
                match = kPatternFinder.Find(at, end);
            } else {
                writer.Append(at, loneCr + 1);
                writer.Append("\n");
                at = loneCr + 1;
                loneCr = FindLoneCr(at, settled, end);
            }
        }
        if (atEnd)
            break;
        held = static_cast<std::size_t>(end - at);
        std::memmove(buffer.get(), at, held);
    }
    if (ending.LastLineOpen())
        writer.Append(kLineBreak);
    writer.Flush();
}

} // namespace vurozud
