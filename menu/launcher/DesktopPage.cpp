#include "DesktopPage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace vurozud {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::size_t kPatternLength = kPageSizePattern.size();

// Is the byte here a place where the page differs from the template: a CR without its LF, or the start of a
// size pattern? end is where the bytes in hand stop: the template's end, or at least a pattern's length on.
bool IsChange(const char* at, const char* end) {
    if (*at == '\r')
        return at + 1 == end || at[1] != '\n';
    return *at == kPageSizePattern.front() && end - at >= static_cast<std::ptrdiff_t>(kPatternLength) &&
           std::memcmp(at, kPageSizePattern.data(), kPatternLength) == 0;
}

// Sixteen bytes compared at once (the compiler's portable vectors: SSE2 on x86, plain words elsewhere). A CR
// LF pair is already a page line break and most lines have one, so only a lone CR, or a 'w' with a '6' where
// the pattern's height begins, makes a byte a candidate; both are rare, the second even among other size
// attributes.
using Block = unsigned char __attribute__((vector_size(16)));
constexpr std::size_t kBlockSize = sizeof(Block);
constexpr std::size_t kLastOffset = kPatternLength - 1;
constexpr std::size_t kHeightOffset = kPageSizePattern.find('6');
static_assert(kHeightOffset == kPageSizePattern.find("600"));

// Vectors are handed back through references: returning them by value would differ between targets with and
// without vector registers, which the compiler warns of.
void LoadBlock(Block& block, const char* at) { std::memcpy(&block, at, sizeof block); }

void Splat(Block& block, char byte) {
    block = Block{};
    block += static_cast<unsigned char>(byte);
}

// The candidates among the block's bytes (all bits set) and not (none); reads kHeightOffset bytes past it.
void MarkCandidates(Block& candidates, const char* at) {
    Block cr, lf, first, height, bytes, next, atHeight;
    Splat(cr, '\r');
    Splat(lf, '\n');
    Splat(first, kPageSizePattern.front());
    Splat(height, kPageSizePattern[kHeightOffset]);
    LoadBlock(bytes, at);
    LoadBlock(next, at + 1);
    LoadBlock(atHeight, at + kHeightOffset);
    candidates = static_cast<Block>(((bytes == cr) & (next != lf)) | ((bytes == first) & (atHeight == height)));
}

bool AnySet(const Block& mask) {
    std::uint64_t halves[2];
    std::memcpy(halves, &mask, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

// The first change in [begin, limit), or limit. Bytes from limit up to end may be looked at. Four blocks are
// tested together; only the candidates of a stretch that has some are looked at one by one.
const char* FindChange(const char* begin, const char* limit, const char* end) {
    constexpr std::ptrdiff_t kStride = 4 * kBlockSize;
    const char* at = begin;
    for (; limit - at >= kStride && end - at >= kStride + static_cast<std::ptrdiff_t>(kLastOffset); at += kStride) {
        Block candidates[4];
        for (std::size_t i = 0; i < 4; ++i)
            MarkCandidates(candidates[i], at + i * kBlockSize);
        if (!AnySet(candidates[0] | candidates[1] | candidates[2] | candidates[3]))
            continue;
        for (std::size_t block = 0; block < 4; ++block) {
            if (!AnySet(candidates[block]))
                continue;
            for (std::size_t i = 0; i < kBlockSize; ++i) {
                const char* const byte = at + block * kBlockSize + i;
                if (candidates[block][i] != 0 && IsChange(byte, end))
                    return byte;
            }
        }
    }
    for (; at < limit; ++at) {
        if (IsChange(at, end))
            return at;
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

// Gathers the page into writes of one full buffer each: large writes at evenly spaced places are what file
// systems take fastest, and copying the bytes once more costs far less than writing them in odd pieces. After a
// failed write it takes nothing more and keeps the failure.
class PageWriter {
public:
    explicit PageWriter(ByteSink& sink) : sink_(sink), buffer_(new char[kCapacity]) {}

    void Append(std::string_view bytes) { Append(bytes.data(), bytes.data() + bytes.size()); }

    void Append(const char* begin, const char* end) {
        while (begin != end && !failure_) {
            const std::size_t count = std::min(static_cast<std::size_t>(end - begin), kCapacity - size_);
            std::memcpy(buffer_.get() + size_, begin, count);
            size_ += count;
            begin += count;
            if (size_ == kCapacity)
                Flush();
        }
    }

    void Flush() {
        if (size_ != 0 && !failure_)
            failure_ = sink_.Write({buffer_.get(), size_});
        size_ = 0;
    }

    const MaybeFailure& Failed() const { return failure_; }

private:
    static constexpr std::size_t kCapacity = kPageChunkSize;

    ByteSink& sink_;
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    MaybeFailure failure_;
};

// The text that takes the place of each size pattern.
std::string PageSizeText(std::string_view widthText, std::string_view heightText) {
    std::string text = "width=";
    text += widthText;
    text += " height=";
    text += heightText;
    return text;
}

} // namespace

MaybeFailure TransformDesktopPage(ByteSource& templateBytes, ByteSink& page, std::string_view widthText,
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
        // No more of the template is read once the page cannot take it.
        if (writer.Failed())
            return writer.Failed();
        std::size_t count = 0;
        if (MaybeFailure failure = templateBytes.Read({buffer.get() + held, chunkSize - held}, count))
            return failure;
        const bool atEnd = count == 0;
        ending.Note(buffer.get() + held, count);
        const char* at = buffer.get();
        const char* const end = at + held + count;
        // Until the end, the last bytes may begin a pattern that the next chunk completes, or be a CR whose
        // LF is still to come: they wait for the next round. Whether a byte starts a change depends on no
        // more than a pattern's length of bytes, so those before this point are settled.
        const char* const settled = atEnd ? end : end - std::min(held + count, kPatternLength - 1);

        while (at < settled) {
            const char* const change = FindChange(at, settled, end);
            writer.Append(at, change);
            at = change;
            if (change == settled)
                break;
            if (*change == '\r') {
                writer.Append("\r\n");
                at = change + 1;
            } else {
                writer.Append(sizeText);
                at = change + kPatternLength;
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
    return writer.Failed();
}

} // namespace vurozud
